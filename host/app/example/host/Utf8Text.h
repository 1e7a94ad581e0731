// The host's one text conversion: wide texts (UTF-32 on this platform) to and from UTF-8, through the
// platform's WideCharToMultiByte and MultiByteToWideChar. The drawing's labels and the driver's
// events and script words use it.
#pragma once

#include <string>
#include <string_view>

namespace host {

// UTF-8 of a wide text. A value that is not a Unicode scalar (a lone surrogate, beyond U+10FFFF)
// becomes U+FFFD, so the output is always valid UTF-8.
std::string ToUtf8(std::wstring_view text);
// Wide text of UTF-8 input; false when the input is not valid UTF-8 (the result is then unusable).
bool FromUtf8(std::string_view text, std::wstring& out);

} // namespace host
