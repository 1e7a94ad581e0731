#include "RowMix.h"

#include <cmath>
#include <cwchar>
#include <random>

namespace bench {

RowMix::RowMix(int rows, short areaFlag) : m_rows(static_cast<size_t>(rows > 0 ? rows : 1)) {
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> exponent(-3.0, 6.0);
    std::uniform_int_distribution<int> percent(0, 99);
    int index = 0;
    for (Measurement& row : m_rows) {
        row.value = std::pow(10.0, exponent(rng));
        if (percent(rng) < 30) // typed, or picked from a snapped point: a short decimal
            row.value = std::round(row.value * 1000.0) / 1000.0;
        row.minus = index++ % 7 == 3;
        row.areaFlag = areaFlag;
    }
}

std::wstring NumberText(int row) {
    wchar_t buffer[16];
    const int length = std::swprintf(buffer, std::size(buffer), L"%d", row);
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring SignText(const Measurement& measurement) {
    return measurement.minus ? L"-" : L" ";
}

std::wstring RawText(double value) {
    // The benchmarks run in the C locale: "." is the point, as in the dialog's own cells.
    wchar_t buffer[512];
    const int length = std::swprintf(buffer, std::size(buffer), L"%f", value);
    return std::wstring(buffer, static_cast<size_t>(length));
}

} // namespace bench
