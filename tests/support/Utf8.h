// Wide texts as UTF-8, so that a failing comparison prints the dialog's Japanese texts readably. The
// one conversion of the test layer, done by the platform's own WideCharToMultiByte.
#pragma once

#include <string>
#include <string_view>

namespace measure_test {

std::string Utf8(std::wstring_view text);

} // namespace measure_test
