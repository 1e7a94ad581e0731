// Wide (UTF-32 on Linux) to UTF-8 and back, for the places where Windows text meets Linux APIs:
// file names, pango, fontconfig. WideCharToMultiByte and MultiByteToWideChar are built on these.
#pragma once

#include <string>
#include <string_view>

namespace standin {

// A value that is not a Unicode scalar (a surrogate, or beyond U+10FFFF) becomes U+FFFD; `invalid`,
// when given, tells whether that happened.
std::string ToUtf8(std::wstring_view text, bool* invalid = nullptr);
// Each byte that does not begin a well-formed sequence (overlong forms and encoded surrogates are
// not well formed) becomes one U+FFFD; nothing is read past the end.
std::wstring FromUtf8(std::string_view text, bool* invalid = nullptr);

} // namespace standin
