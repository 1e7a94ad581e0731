#include "Utf8.h"

#include <windows.h>

namespace measure_test {

std::string Utf8(std::wstring_view text) {
    if (text.empty())
        return {}; // Windows refuses an empty input
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

} // namespace measure_test
