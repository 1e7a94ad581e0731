#include "ExpectedCells.h"

#include <charconv>

namespace measure_test {

std::wstring RawCellText(double value) {
    // A double never needs more than 309 digits before the point.
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::wstring(text, written.ptr);
}

} // namespace measure_test
