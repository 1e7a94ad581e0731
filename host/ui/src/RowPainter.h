// How one row of the report list looks, as a function of what the row is: its cells (text, column
// alignment and width), whether it is selected, focused, and how far the selection colour reaches.
// The painter knows no list control; CListViewEx gathers the row and hands it here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace brio::ui::detail {

struct RowCell {
    std::wstring text;
    int format = 0; // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
    int width = 0;
};

struct RowLook {
    RECT bounds{}; // the row as the list gives it (left may be negative when scrolled)
    HFONT font = nullptr;
    bool selected = false;
    bool focused = false; // draw the focus rectangle
    bool fullRow = true;  // selection colour across every column, else the first cell only
    bool enabled = true;  // a disabled list shows grey text and no selection
    std::vector<RowCell> cells;
};

// Text starts this far inside its cell on either side, so neighbouring cells never touch.
constexpr int kCellPadding = 4;

void paintRow(HDC dc, const RowLook& row);

} // namespace brio::ui::detail
