// The floor: the dialog's work on its rows done by the bare standard library on the same data.
// Rows are a std::vector of cells, each cell a std::wstring, as plain as a table of texts gets;
// numbers are read with wcstod, rounded with the project's calcutil (the rounding is part of the
// work, not of the overhead) and written with std::to_chars. Each benchmark compares the dialog
// with the matching operation here, in the same run.
//
// What it does NOT do: no window, no selection state beyond a flag per row, no unit label, no
// trace; the unit is passed in as the text the label would show.
#pragma once

#include "RowMix.h"

#include <string>
#include <vector>

namespace bench {

// The user's choices, as the dialog's combo indices and radio groups hold them.
struct Rounding {
    int position = 3; // 0: tens, 1: integer, 2..7: 1..6 decimals ("小数点以下2位" by default here)
    int method = 0;   // 0: half up, 1: up, 2: down
    int lengthUnit = 0;
    int areaUnit = 0;
};

// A value in the host's unit turned into the text a row shows (converted when `convert`).
std::wstring ShownText(double value, bool area, bool convert, const Rounding& rounding);

class FloorList {
public:
    int rows() const { return static_cast<int>(m_rows.size()); }
    const std::wstring& cell(int row, int column) const {
        return m_rows[static_cast<size_t>(row)].cells[static_cast<size_t>(column)];
    }
    const std::wstring& total() const { return m_total; }

    void FillTo(int rows, const RowMix& mix); // as bench::FillTo does to the dialog's list
    void DropLastRow();
    void SelectEveryOtherRow();

    // SetListData: the new row's cells, then Recompute.
    void Append(const Measurement& measurement, const Rounding& rounding);
    // SetData: every row's shown value from its raw text, then Sum.
    void Recompute(const Rounding& rounding);
    // SetTotalLength: the signed sum of the shown values, rounded once more.
    void Sum(const Rounding& rounding);
    // OnDeleteItem: the selected rows go, the rest are numbered again, then Recompute.
    void DeleteSelected(const Rounding& rounding);
    // UpdateString's text, lines ended by backslash and "n".
    std::wstring Summary(bool drawList, bool drawTotal, const std::wstring& unit) const;
    // ListToClipBoard's text of every row, copied once more as the clipboard keeps its own copy.
    std::vector<wchar_t> Clipboard(const std::wstring& unit) const;

private:
    struct Row {
        std::vector<std::wstring> cells;
        bool area = false;
        bool selected = false;
    };
    std::vector<Row> m_rows;
    std::wstring m_total;
};

} // namespace bench
