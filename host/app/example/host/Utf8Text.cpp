#include "host/Utf8Text.h"

#include <windows.h>

namespace host {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty())
        return {}; // Windows refuses an empty input
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

bool FromUtf8(std::string_view text, std::wstring& out) {
    out.clear();
    if (text.empty())
        return true;
    const int length = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (chars == 0)
        return false; // not UTF-8
    out.resize(static_cast<size_t>(chars));
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, out.data(), chars);
    return true;
}

} // namespace host
