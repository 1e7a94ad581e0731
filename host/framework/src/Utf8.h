// Wide text (UTF-32 wchar_t on Linux) to and from the UTF-8 that files and SQLite hold.
#pragma once

#include <string>
#include <string_view>

namespace brio::detail {

// A code point that UTF-8 cannot carry (a surrogate, or beyond U+10FFFF) becomes U+FFFD.
std::string toUtf8(std::wstring_view text);
// A malformed sequence becomes one U+FFFD per bad byte; nothing is read past the end.
std::wstring fromUtf8(std::string_view text);

} // namespace brio::detail
