#include "FloorList.h"

#include <MeasureTotalDlgIds.h>
#include <calcutil.h>

#include <charconv>
#include <cwchar>

namespace bench {
namespace {

using enum brio::ui::measure::MeasureListColumn;

// The narrow text std::to_chars writes, widened into `out` (whose capacity a rewrite reuses).
void AssignWide(std::wstring& out, const char* begin, const char* end) {
    out.resize(static_cast<size_t>(end - begin));
    for (size_t i = 0; begin != end; ++begin, ++i)
        out[i] = static_cast<wchar_t>(*begin);
}

void AssignShown(std::wstring& out, double value, bool area, bool convert, const Rounding& rounding) {
    double factor = 1.0;
    if (convert && !area && rounding.lengthUnit == 1)
        factor = 0.001;
    if (convert && area && rounding.areaUnit == 1)
        factor = 0.000001;
    const double x = value * factor;
    double rounded = 0.0;
    int decimals = 0;
    if (rounding.position == 0) {
        rounded = calcutil::RoundPlace(x, 0, rounding.method);
    } else {
        static constexpr int kMethods[] = {0, 3, 4};
        decimals = rounding.position - 1;
        rounded = calcutil::DecimalRound2(x, decimals, kMethods[rounding.method], false);
    }
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
    AssignWide(out, buffer, result.ptr);
}

} // namespace

std::wstring ShownText(double value, bool area, bool convert, const Rounding& rounding) {
    std::wstring text;
    AssignShown(text, value, area, convert, rounding);
    return text;
}

void FloorList::FillTo(int rows, const RowMix& mix) {
    m_rows.reserve(static_cast<size_t>(rows));
    for (int row = this->rows(); row < rows; ++row) {
        const Measurement& measurement = mix.at(row);
        m_rows.push_back(Row{{NumberText(row + 1), measurement.scale, measurement.element,
                              SignText(measurement), std::wstring(), RawText(measurement.value)},
                             measurement.areaFlag != 0});
    }
}

void FloorList::DropLastRow() {
    m_rows.pop_back();
}

void FloorList::SelectEveryOtherRow() {
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row].selected = row % 2 == 1;
}

void FloorList::Append(const Measurement& measurement, const Rounding& rounding) {
    char number[16];
    const auto end = std::to_chars(number, number + sizeof number, rows() + 1).ptr;
    char raw[400];
    const auto rawEnd =
        std::to_chars(raw, raw + sizeof raw, measurement.value, std::chars_format::fixed, 6).ptr;
    Row row{std::vector<std::wstring>(6), measurement.areaFlag != 0};
    AssignWide(row.cells[kColumnNumber], number, end);
    row.cells[kColumnScale] = measurement.scale;
    row.cells[kColumnElement] = measurement.element;
    row.cells[kColumnSign] = measurement.minus ? L"-" : L" ";
    AssignShown(row.cells[kColumnValue], measurement.value, false, true, rounding);
    AssignWide(row.cells[kColumnRawValue], raw, rawEnd);
    m_rows.push_back(std::move(row));
    Recompute(rounding);
}

void FloorList::Recompute(const Rounding& rounding) {
    for (Row& row : m_rows)
        AssignShown(row.cells[kColumnValue], std::wcstod(row.cells[kColumnRawValue].c_str(), nullptr),
                    row.area, true, rounding);
    Sum(rounding);
}

void FloorList::Sum(const Rounding& rounding) {
    double sum = 0.0;
    for (const Row& row : m_rows) {
        const double shown = std::wcstod(row.cells[kColumnValue].c_str(), nullptr);
        sum += row.cells[kColumnSign] == L"-" ? -shown : shown;
    }
    AssignShown(m_total, sum, false, false, rounding);
}

void FloorList::DeleteSelected(const Rounding& rounding) {
    std::erase_if(m_rows, [](const Row& row) { return row.selected; });
    char number[16];
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const auto end = std::to_chars(number, number + sizeof number, row + 1).ptr;
        AssignWide(m_rows[row].cells[kColumnNumber], number, end);
    }
    Recompute(rounding);
}

std::wstring FloorList::Summary(bool drawList, bool drawTotal, const std::wstring& unit) const {
    std::wstring text;
    if (drawList) {
        for (const Row& row : m_rows) {
            const auto& c = row.cells;
            text.append(c[0]).append(L" ").append(c[1]).append(L" ").append(c[2]).append(L" ");
            text.append(c[3]).append(c[4]).append(L" ").append(unit).append(L"\\n");
        }
    }
    if (drawTotal)
        text.append(L"累計 ").append(m_total).append(L" ").append(unit).append(L"\\n");
    return text.empty() ? std::wstring(L" ") : text;
}

std::vector<wchar_t> FloorList::Clipboard(const std::wstring& unit) const {
    std::wstring text;
    for (const Row& row : m_rows) {
        const auto& c = row.cells;
        text.append(c[0]).append(L"\t").append(c[1]).append(L"\t").append(c[2]).append(L"\t");
        text.append(c[3]).append(c[4]).append(L"\t").append(unit).append(L"\r\n");
    }
    return std::vector<wchar_t>(text.c_str(), text.c_str() + text.size() + 1);
}

} // namespace bench
