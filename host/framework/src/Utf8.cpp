// UTF-8 conversions of the framework, through kernel32's conversions as a Windows build makes them,
// so that the host libraries depend only on the public Win32 API.
#include "Utf8.h"

#include <windows.h>

namespace brio::detail {

std::string toUtf8(std::wstring_view text) {
    if (text.empty())
        return {}; // Windows refuses an empty input
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), chars);
    return out;
}

} // namespace brio::detail
