// MFC's extension header. The subset has none of its classes (toolbars, status bars, splitters,
// bitmap buttons); it includes the window and dialog headers, where the extension-library support
// (AFX_EXTENSION_MODULE, CDynLinkLibrary) lives, as MFC code including <afxext.h> expects.
#pragma once

#include "afxwin.h"
#include "afxdlgs.h"
