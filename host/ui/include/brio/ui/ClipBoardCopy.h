// Puts text on the clipboard as CF_UNICODETEXT.
#pragma once

#include <brio/ui/BrUiApi.h>

// 0 success; 1 no memory for the text; 2 the memory could not be locked; 3 the clipboard could not
// be opened; 4 the clipboard refused the data. A null text is 1.
BRUI_API int ClipBoardCopy(const wchar_t* text);
