// BSTR allocation and the UTF-8 bridges of the COM support classes.
// What this does NOT do: no allocation cache, no SysReAllocString, no ANSI code pages.
#include <comutil.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "core/utf8.h"

namespace {

// A BSTR points just past a 32-bit byte count and ends with a terminator the count leaves out, so
// that SysStringLen answers for strings with embedded nulls as it does on Windows.
struct BstrHeader {
    uint32_t bytes;
};

BstrHeader* headerOf(BSTR text) {
    return reinterpret_cast<BstrHeader*>(text) - 1;
}

} // namespace

extern "C" {

BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length) {
    const size_t bytes = size_t{length} * sizeof(OLECHAR);
    if (bytes > UINT32_MAX - sizeof(OLECHAR))
        return nullptr;
    auto* header = static_cast<BstrHeader*>(std::malloc(sizeof(BstrHeader) + bytes + sizeof(OLECHAR)));
    if (header == nullptr)
        return nullptr;
    header->bytes = static_cast<uint32_t>(bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(header + 1);
    if (text != nullptr)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[length] = L'\0';
    return chars;
}

BSTR WINAPI SysAllocString(const OLECHAR* text) {
    if (text == nullptr)
        return nullptr;
    return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

void WINAPI SysFreeString(BSTR text) {
    if (text != nullptr)
        std::free(headerOf(text));
}

UINT WINAPI SysStringLen(BSTR text) {
    return text == nullptr ? 0 : headerOf(text)->bytes / sizeof(OLECHAR);
}

} // extern "C"

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* text) {
    if (text == nullptr)
        return nullptr;
    const std::wstring wide = standin::FromUtf8(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

char* WINAPI ConvertBSTRToString(BSTR text) {
    if (text == nullptr)
        return nullptr;
    const std::string narrow = standin::ToUtf8(std::wstring_view(text, SysStringLen(text)));
    char* copy = new char[narrow.size() + 1];
    std::memcpy(copy, narrow.c_str(), narrow.size() + 1);
    return copy;
}

} // namespace _com_util
