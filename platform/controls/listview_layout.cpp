// Where things are in a list view: header row, rows, scroll bars; which row or column lies under a
// point; and the scrolling that keeps a row in view.
#include "control_base.h"
#include "listview_state.h"

#include <algorithm>

namespace controls {

ListLayout ComputeListLayout(const RECT& inside, int headerHeight, int rowHeight, int contentWidth,
                             int rowCount, int barThickness) {
    ListLayout layout;
    layout.inside = inside;
    layout.rowHeight = std::max(1, rowHeight);
    layout.contentWidth = contentWidth;
    const int width = std::max(0, static_cast<int>(inside.right - inside.left));
    const int height = std::max(0, static_cast<int>(inside.bottom - inside.top) - headerHeight);
    // Each bar takes room from the other's direction, so decide twice.
    bool vertical = false;
    bool horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int rowsWidth = width - (vertical ? barThickness : 0);
        const int rowsHeight = height - (horizontal ? barThickness : 0);
        vertical = static_cast<long long>(rowCount) * layout.rowHeight > rowsHeight;
        horizontal = contentWidth > rowsWidth;
    }
    const int right = inside.right - (vertical ? barThickness : 0);
    const int bottom = inside.bottom - (horizontal ? barThickness : 0);
    if (headerHeight > 0) {
        layout.header =
            RECT{inside.left, inside.top, right, std::min<LONG>(inside.top + headerHeight, bottom)};
    }
    layout.rows = RECT{inside.left, std::min<LONG>(inside.top + headerHeight, bottom), right, bottom};
    if (vertical) {
        layout.verticalBar = RECT{right, inside.top, inside.right, bottom};
    }
    if (horizontal) {
        layout.horizontalBar = RECT{inside.left, bottom, right, inside.bottom};
    }
    if (vertical && horizontal) {
        layout.corner = RECT{right, bottom, inside.right, inside.bottom};
    }
    const int rowsHeight = std::max(0, static_cast<int>(layout.rows.bottom - layout.rows.top));
    layout.fullRows = rowsHeight / layout.rowHeight;
    layout.partRows = (rowsHeight + layout.rowHeight - 1) / layout.rowHeight;
    return layout;
}

bool IsOwnerDrawn(HWND list) {
    return (GetWindowLongW(list, GWL_STYLE) & LVS_OWNERDRAWFIXED) != 0;
}

bool HasHeader(HWND list) {
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    return (style & LVS_TYPEMASK) == LVS_REPORT && !(style & LVS_NOCOLUMNHEADER);
}

bool IsSingleSelection(HWND list) {
    return (GetWindowLongW(list, GWL_STYLE) & LVS_SINGLESEL) != 0;
}

int RowHeight(const ListViewState& state) {
    return state.m_rowHeight > 0 ? state.m_rowHeight : TextLineHeight(state.m_font) + kRowPadding;
}

// Owner-drawn rows are as high as the parent says, asked once, as the control is made: when the list
// first gets its font (in a dialog, before WM_INITDIALOG), or when the first row comes to a list that
// never got one; a later font does not ask again. Other rows are a line of the font and the padding.
// Painting only reads the answer.
void MeasureRows(HWND list, ListViewState& state) {
    const int standard = TextLineHeight(state.m_font) + kRowPadding;
    int height = standard;
    if (IsOwnerDrawn(list)) {
        if (state.m_rowHeight > 0) {
            return;
        }
        MEASUREITEMSTRUCT measureItem{};
        measureItem.CtlType = ODT_LISTVIEW;
        measureItem.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
        measureItem.itemHeight = static_cast<UINT>(standard);
        HWND parent = GetParent(list);
        if (parent) {
            SendMessageW(parent, WM_MEASUREITEM, measureItem.CtlID, reinterpret_cast<LPARAM>(&measureItem));
        }
        if (!StillAlive(list)) {
            return;
        }
        if (measureItem.itemHeight > 0) {
            height = static_cast<int>(measureItem.itemHeight);
        }
    }
    state.m_rowHeight = height;
}

ListLayout LayoutOf(HWND list, const ListViewState& state) {
    return ComputeListLayout(InsideOwnBorder(list), HasHeader(list) ? kHeaderHeight : 0, RowHeight(state),
                             state.m_model.totalColumnWidth(), state.m_model.rowCount(),
                             ScrollBarThickness());
}

RECT RowRect(const ListLayout& layout, const ListViewState& state, int row) {
    const int left = layout.rows.left - state.m_scrollX;
    const int top = layout.rows.top + (row - state.m_topRow) * layout.rowHeight;
    return RECT{left, top, left + layout.contentWidth, top + layout.rowHeight};
}

RECT SubItemRect(const ListLayout& layout, const ListViewState& state, int row, int column) {
    RECT rect = RowRect(layout, state, row);
    int x = rect.left;
    for (int each = 0; each < state.m_model.columnCount(); ++each) {
        const int width = std::max(0, state.m_model.column(each).width);
        if (each == column) {
            return RECT{x, rect.top, x + width, rect.bottom};
        }
        x += width;
    }
    return rect;
}

int RowAt(const ListLayout& layout, const ListViewState& state, POINT pt) {
    if (!PtInRect(&layout.rows, pt)) {
        return -1;
    }
    // A row is hit across the width of its columns, as an owner-drawn row is drawn.
    const int x = pt.x - layout.rows.left + state.m_scrollX;
    if (x >= layout.contentWidth) {
        return -1;
    }
    const int row = state.m_topRow + (pt.y - layout.rows.top) / layout.rowHeight;
    return state.m_model.hasRow(row) ? row : -1;
}

int ColumnAt(const ListLayout& layout, const ListViewState& state, int x) {
    int left = layout.rows.left - state.m_scrollX;
    for (int column = 0; column < state.m_model.columnCount(); ++column) {
        const int width = std::max(0, state.m_model.column(column).width);
        if (x >= left && x < left + width) {
            return column;
        }
        left += width;
    }
    return -1;
}

ScrollBarState VerticalScroll(const ListLayout& layout, const ListViewState& state) {
    return ScrollBarState{true, state.m_topRow, std::max(1, layout.fullRows), state.m_model.rowCount()};
}

ScrollBarState HorizontalScroll(const ListLayout& layout, const ListViewState& state) {
    const int page = std::max(1, static_cast<int>(layout.rows.right - layout.rows.left));
    return ScrollBarState{false, state.m_scrollX, page, layout.contentWidth};
}

bool ScrollTo(HWND list, ListViewState& state, int topRow, int scrollX) {
    const ListLayout layout = LayoutOf(list, state);
    const int maxTop = VerticalScroll(layout, state).maxPosition();
    const int maxX = HorizontalScroll(layout, state).maxPosition();
    topRow = std::clamp(topRow, 0, maxTop);
    scrollX = std::clamp(scrollX, 0, maxX);
    if (topRow == state.m_topRow && scrollX == state.m_scrollX) {
        return false;
    }
    const bool horizontalChanged = scrollX != state.m_scrollX;
    state.m_topRow = topRow;
    state.m_scrollX = scrollX;
    InvalidateRect(list, nullptr, FALSE);
    if (horizontalChanged && state.m_header) {
        InvalidateRect(state.m_header, nullptr, FALSE);
    }
    return true;
}

void ClampScroll(HWND list, ListViewState& state) {
    // The top-left position is always allowed.
    if (state.m_topRow == 0 && state.m_scrollX == 0) {
        return;
    }
    ScrollTo(list, state, state.m_topRow, state.m_scrollX);
}

bool EnsureVisible(HWND list, ListViewState& state, int row, bool partialOk) {
    if (!state.m_model.hasRow(row)) {
        return false;
    }
    const ListLayout layout = LayoutOf(list, state);
    const int fullRows = std::max(1, layout.fullRows);
    int top = state.m_topRow;
    if (row < top) {
        top = row;
    } else if (partialOk && row < top + layout.partRows) {
        // Already at least partly in view.
    } else if (row >= top + fullRows) {
        top = row - fullRows + 1;
    }
    ScrollTo(list, state, top, state.m_scrollX);
    return true;
}

void PlaceHeader(HWND list, ListViewState& state) {
    if (!state.m_header) {
        return;
    }
    const ListLayout layout = LayoutOf(list, state);
    RECT current{};
    GetWindowRect(state.m_header, &current);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&current), 2);
    state.m_placedHeader = layout.header;
    if (EqualRect(&current, &layout.header)) {
        return;
    }
    MoveWindow(state.m_header, layout.header.left, layout.header.top,
               layout.header.right - layout.header.left, layout.header.bottom - layout.header.top, TRUE);
}

} // namespace controls
