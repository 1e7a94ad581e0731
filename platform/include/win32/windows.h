// The Windows stand-in's umbrella header, as <windows.h> is on Windows.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "winuser.h"
#include "wingdi.h"
#include "winerror.h"
#include "crtwin.h"
