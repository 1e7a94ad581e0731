// Painting of one report-list row.
// What it does NOT do: no images or state icons, no indentation, no grid lines, no hot tracking, no
// inactive-selection colour (a selected row keeps the highlight when the list loses focus, so the
// rows the user acts on stay visible while a menu or another control is used).
#include "RowPainter.h"

namespace brio::ui::detail {
namespace {

UINT alignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

} // namespace

void paintRow(HDC dc, const RowLook& row) {
    if (dc == nullptr)
        return;
    const int saved = SaveDC(dc);
    if (row.font != nullptr)
        SelectObject(dc, row.font);
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &row.bounds, GetSysColorBrush(COLOR_WINDOW));

    const bool highlighted = row.selected && row.enabled;
    int x = row.bounds.left;
    bool firstDrawn = true;
    RECT firstCell = row.bounds;
    for (const RowCell& cell : row.cells) {
        // A zero-width column is a hidden store of data, not something to show.
        if (cell.width <= 0)
            continue;
        const RECT area{x, row.bounds.top, x + cell.width, row.bounds.bottom};
        x += cell.width;
        const bool cellHighlighted = highlighted && (row.fullRow || firstDrawn);
        if (firstDrawn)
            firstCell = area;
        firstDrawn = false;
        if (cellHighlighted)
            FillRect(dc, &area, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(!row.enabled      ? COLOR_GRAYTEXT
                                     : cellHighlighted ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_WINDOWTEXT));
        RECT text{area.left + kCellPadding, area.top, area.right - kCellPadding, area.bottom};
        if (text.right <= text.left || cell.text.empty())
            continue;
        // Clipped to the cell: a long value is cut at its column, never drawn over the next.
        const int cellSaved = SaveDC(dc);
        IntersectClipRect(dc, text.left, text.top, text.right, text.bottom);
        DrawTextW(dc, cell.text.c_str(), static_cast<int>(cell.text.size()), &text,
                  alignmentOf(cell.format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        RestoreDC(dc, cellSaved);
    }
    if (row.focused) {
        RECT focus = row.fullRow ? RECT{row.bounds.left, row.bounds.top, x, row.bounds.bottom} : firstCell;
        DrawFocusRect(dc, &focus);
    }
    RestoreDC(dc, saved);
}

} // namespace brio::ui::detail
