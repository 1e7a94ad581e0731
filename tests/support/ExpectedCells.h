// The cells a measurement's row must hold, derived without the dialog's code: the raw value as the C
// library's "%f" writes it (six decimals, "." as the point), here written by std::to_chars.
#pragma once

#include <string>

namespace measure_test {

std::wstring RawCellText(double value);

} // namespace measure_test
