// Wide (UTF-32 on Linux) to UTF-8 and back, for the places where Windows text meets Linux APIs:
// file names, pango, fontconfig.
#pragma once

#include <string>
#include <string_view>

namespace standin {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

} // namespace standin
