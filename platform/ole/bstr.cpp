// BSTR allocation and the UTF-8 bridges of the COM support classes.
// What this does NOT do: no allocation cache, no SysReAllocString, no ANSI code pages.
#include <comutil.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A BSTR points just past a 32-bit byte count and ends with a terminator the count leaves out, so
// that SysStringLen answers for strings with embedded nulls as it does on Windows.
struct BstrHeader {
    uint32_t bytes;
};

BstrHeader* headerOf(BSTR text) {
    return reinterpret_cast<BstrHeader*>(text) - 1;
}

// Decodes one UTF-8 sequence; malformed input gives U+FFFD and skips one byte, so nothing is lost
// silently and nothing reads past the end.
char32_t decodeUtf8(const unsigned char*& p) {
    const unsigned char lead = *p++;
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xe0) == 0xc0) {
        extra = 1, code = lead & 0x1f, least = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        extra = 2, code = lead & 0x0f, least = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        extra = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return U'\xfffd';
    }
    const unsigned char* start = p;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xc0) != 0x80)
            return U'\xfffd';
        code = (code << 6) | (p[i] & 0x3f);
    }
    if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return U'\xfffd';
    p = start + extra;
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        code = 0xfffd;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
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
    std::wstring wide;
    for (auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0;)
        wide += static_cast<wchar_t>(decodeUtf8(p));
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

char* WINAPI ConvertBSTRToString(BSTR text) {
    if (text == nullptr)
        return nullptr;
    std::string narrow;
    const UINT length = SysStringLen(text);
    for (UINT i = 0; i < length; ++i)
        appendUtf8(narrow, static_cast<char32_t>(text[i]));
    char* copy = new char[narrow.size() + 1];
    std::memcpy(copy, narrow.c_str(), narrow.size() + 1);
    return copy;
}

} // namespace _com_util
