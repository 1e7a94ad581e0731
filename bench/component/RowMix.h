// The measurements every benchmark of the dialog lists, and the cell texts a row of them gets.
// Lengths from 0.001 mm to 10^6 mm, most of them computed (full precision), some typed (a short
// decimal); one row in seven subtracted. The same seed gives the same rows on every machine.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct Measurement {
    double value = 0.0; // mm, or mm2 for an area
    bool minus = false; // subtracted from the total
    short areaFlag = 0; // 0: a length
    const wchar_t* scale = L"1/100";
    const wchar_t* element = L"線分";
};

class RowMix {
public:
    explicit RowMix(int rows, short areaFlag = 0);
    const Measurement& at(int row) const { return m_rows[static_cast<size_t>(row) % m_rows.size()]; }

private:
    std::vector<Measurement> m_rows;
};

// The cells the dialog writes for a new row, as the C runtime writes them: the row number with
// "%d", the sign cell ("-" or one space) and the raw value with "%f".
std::wstring NumberText(int row);
std::wstring SignText(const Measurement& measurement);
std::wstring RawText(double value);

} // namespace bench
