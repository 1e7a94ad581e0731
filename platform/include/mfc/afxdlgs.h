// MFC's standard-dialog header. The subset has none of its classes (file, colour, font, print dialogs,
// property sheets); CDialog itself is in afxwin.h.
#pragma once

#include "afxwin.h"
