#pragma once
#include "windef.h"
#define _T(x) L##x
#define _TEXT(x) L##x
#define TEXT(x) L##x
