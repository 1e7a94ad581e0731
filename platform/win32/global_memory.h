// Global memory blocks as the clipboard reads them.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

// The text of a CF_UNICODETEXT block: up to its first NUL or its end.
bool TextOfBlock(HGLOBAL block, std::wstring* text);
bool IsGlobalBlock(HGLOBAL block);

} // namespace standin
