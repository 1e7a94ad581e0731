// Wide (UTF-32 on Linux) to UTF-8 and back, for the places where Windows text meets Linux APIs:
// file names, pango, fontconfig. WideCharToMultiByte and MultiByteToWideChar are built on these.
#pragma once

#include <string>
#include <string_view>

namespace standin {

// A value that is not a Unicode scalar (a surrogate, or beyond U+10FFFF) becomes U+FFFD; `invalid`,
// when given, tells whether that happened.
std::string ToUtf8(std::wstring_view text, bool* invalid = nullptr);
// Malformed bytes become U+FFFD as Windows' converter makes them: a lead byte and the continuation
// bytes after it that still could make a character are one U+FFFD together (so a sequence cut short
// is one), a byte that continues nothing is one of its own. The second byte of a three-byte form is
// taken into the bad sequence before the form is found overlong or a surrogate, and so is the second
// byte of a four-byte form beyond U+10FFFF (not the third). Wine, which these counts follow, also
// swallows whatever is left when the input ends inside a sequence; here a byte that is no
// continuation byte is never swallowed. Nothing is read past the end.
std::wstring FromUtf8(std::string_view text, bool* invalid = nullptr);

} // namespace standin
