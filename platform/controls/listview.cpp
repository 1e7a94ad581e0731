// SysListView32 in report view: columns, rows with sub-item texts, states and item data, selection
// by mouse and keys, scrolling, owner-drawn fixed rows through WM_DRAWITEM, and the notifications
// LVN_KEYDOWN, NM_CLICK, NM_DBLCLK and NM_RCLICK (followed by WM_CONTEXTMENU); LVN_ITEMCHANGING
// (whose veto keeps the row) and LVN_ITEMCHANGED around each change of a row's state, first cell or
// item data; LVN_INSERTITEM, LVN_DELETEITEM and LVN_DELETEALLITEMS (also as the list ends);
// NM_SETFOCUS and NM_KILLFOCUS; NM_CUSTOMDRAW's paint, row and cell stages (listview_changes.cpp,
// listview_paint.cpp).
//
// Not done here:
// - the icon, small-icon and list views (LVS_ICON, LVS_SMALLICON, LVS_LIST draw as report view);
// - image lists, check boxes (LVS_EX_CHECKBOXES), indentation, groups, tiles, virtual lists
//   (LVS_OWNERDATA), sorting (LVS_SORT*, LVM_SORTITEMS), LVM_FINDITEMW, label editing;
// - callback texts: LPSTR_TEXTCALLBACKW is kept as an empty text, LVN_GETDISPINFO is never sent;
// - LVN_BEGINDRAG / LVN_BEGINRDRAG, NM_RELEASEDCAPTURE, NM_HOVER, LVN_HOTTRACK;
// - LVN_ITEMCHANGING for the rows a change of every row (LVM_SETITEMSTATE row -1) leaves as they
//   were, which Windows sends (see SetRowStates);
// - the colours and fonts a parent sets in NMLVCUSTOMDRAW; CDDS_PREERASE / CDDS_POSTERASE;
// - typing a row's first letters to find it; auto-sized columns (LVSCW_AUTOSIZE*);
// - column order other than insertion order (LVCF_ORDER), header clicks.
#include "listview.h"

#include "control_base.h"
#include "listview_state.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace controls {

namespace {

// Copies `text` into a caller's buffer of `size` characters, cut to fit and always terminated;
// returns the number of characters copied, as LVM_GETITEMTEXTW does.
int CopyText(const std::wstring& text, LPWSTR buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    const int copied = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(copied) * sizeof(wchar_t));
    buffer[copied] = L'\0';
    return copied;
}

std::wstring_view TextOf(LPCWSTR text) {
    if (!text || text == LPSTR_TEXTCALLBACKW) {
        return {};
    }
    return std::wstring_view(text);
}

void Changed(HWND list, ListViewState& state) {
    InvalidateRect(list, nullptr, FALSE);
    PlaceHeader(list, state);
    ClampScroll(list, state);
}

// A row inserted or deleted changes the rows from it downwards and the scroll range. Below the rows
// in view (how a long list grows at its end, and how its selected rows go, walked from the last one
// up) it shows only in the vertical bar, unless the bar comes or goes: that moves the header and
// narrows the rows, and the whole list is repainted, as it is for any row in view, for a list not yet
// measured and for a list without a header to tell the bar's coming.
void RowsChanged(HWND list, ListViewState& state, int row) {
    bool headerMoved = false;
    RECT onlyBar{};
    if (state.m_header) {
        const ListLayout layout = LayoutOf(list, state);
        headerMoved = !EqualRect(&layout.header, &state.m_placedHeader);
        if (!headerMoved && state.m_rowHeight > 0 && row > state.m_topRow + layout.partRows)
            onlyBar = layout.verticalBar;
    }
    InvalidateRect(list, IsRectEmpty(&onlyBar) ? nullptr : &onlyBar, FALSE);
    if (headerMoved) {
        PlaceHeader(list, state);
    }
    ClampScroll(list, state);
}

void ColumnsChanged(HWND list, ListViewState& state) {
    Changed(list, state);
    if (state.m_header) {
        InvalidateRect(state.m_header, nullptr, FALSE);
    }
}

// ---- columns --------------------------------------------------------------------------------------
LRESULT InsertColumn(HWND list, ListViewState& state, int index, const LVCOLUMNW* info) {
    if (!info) {
        return -1;
    }
    ListColumn column;
    column.format = (info->mask & LVCF_FMT) ? info->fmt : LVCFMT_LEFT;
    column.width = (info->mask & LVCF_WIDTH) ? std::max(0, info->cx) : 0;
    column.text = (info->mask & LVCF_TEXT) ? TextOf(info->pszText) : std::wstring_view();
    column.subItem =
        (info->mask & LVCF_SUBITEM) ? info->iSubItem : std::clamp(index, 0, state.m_model.columnCount());
    const int at = state.m_model.insertColumn(index, std::move(column));
    ColumnsChanged(list, state);
    return at;
}

LRESULT GetColumn(const ListViewState& state, int index, LVCOLUMNW* info) {
    if (!info || index < 0 || index >= state.m_model.columnCount()) {
        return FALSE;
    }
    const ListColumn& column = state.m_model.column(index);
    if (info->mask & LVCF_FMT) {
        info->fmt = column.format;
    }
    if (info->mask & LVCF_WIDTH) {
        info->cx = column.width;
    }
    if (info->mask & LVCF_TEXT) {
        CopyText(column.text, info->pszText, info->cchTextMax);
    }
    if (info->mask & LVCF_SUBITEM) {
        info->iSubItem = column.subItem;
    }
    return TRUE;
}

LRESULT SetColumn(HWND list, ListViewState& state, int index, const LVCOLUMNW* info) {
    if (!info || index < 0 || index >= state.m_model.columnCount()) {
        return FALSE;
    }
    ListColumn& column = state.m_model.column(index);
    if (info->mask & LVCF_FMT) {
        column.format = info->fmt;
    }
    if (info->mask & LVCF_WIDTH) {
        column.width = std::max(0, info->cx);
    }
    if (info->mask & LVCF_TEXT) {
        column.text = TextOf(info->pszText);
    }
    if (info->mask & LVCF_SUBITEM) {
        column.subItem = info->iSubItem;
    }
    ColumnsChanged(list, state);
    return TRUE;
}

LRESULT SetColumnWidth(HWND list, ListViewState& state, int index, int width) {
    // The automatic widths (LVSCW_AUTOSIZE -1, LVSCW_AUTOSIZE_USEHEADER -2) are not offered.
    if (index < 0 || index >= state.m_model.columnCount() || width < 0) {
        return FALSE;
    }
    state.m_model.column(index).width = width;
    ColumnsChanged(list, state);
    return TRUE;
}

// ---- rows -----------------------------------------------------------------------------------------
// A cell that does not show changes no pixel: as on Windows, only a row that may be in view is
// repainted. Every row of a long list is rewritten by each recomputation, and nearly all of them lie
// outside the view. The test errs towards repainting: before the rows were measured, or for any row
// that the client area could hold from the top row on, the whole list is invalidated.
void RowChanged(HWND list, const ListViewState& state, int row) {
    if (state.m_rowHeight > 0) {
        RECT client{};
        GetClientRect(list, &client);
        const int rowsThatFit = static_cast<int>(client.bottom - client.top) / state.m_rowHeight + 1;
        if (row < state.m_topRow || row > state.m_topRow + rowsThatFit) {
            return;
        }
    }
    InvalidateRect(list, nullptr, FALSE);
}

LRESULT InsertItem(HWND list, ListViewState& state, const LVITEMW* item) {
    if (!item || item->iSubItem != 0 || item->iItem < 0) {
        return -1;
    }
    ListRow row;
    // Room for a cell per column at once: the sub-items usually follow, one message each, and a
    // vector grown by each of them would move its cells three times and end with room for eight.
    row.cells.reserve(static_cast<size_t>(std::max(1, state.m_model.columnCount())));
    if (item->mask & LVIF_TEXT) {
        row.cells.emplace_back(TextOf(item->pszText));
    }
    if (item->mask & LVIF_STATE) {
        row.state = item->state & item->stateMask;
    }
    if (item->mask & LVIF_PARAM) {
        row.param = item->lParam;
    }
    const int at = InsertRow(list, state, item->iItem, std::move(row));
    if (!StillAlive(list)) {
        return at;
    }
    if (state.m_rowHeight == 0) {
        MeasureRows(list, state);
        if (!StillAlive(list)) {
            return at;
        }
    }
    RowsChanged(list, state, at);
    if (state.m_model.hasRow(at)) {
        NotifyInserted(list, state, at);
    }
    return at;
}

// Of a sub-item only the text is written, and the parent hears nothing of it; a row's own fields
// (first cell, state, item data) change between LVN_ITEMCHANGING and LVN_ITEMCHANGED.
LRESULT SetItem(HWND list, ListViewState& state, const LVITEMW* item) {
    if (!item || !state.m_model.hasRow(item->iItem)) {
        return FALSE;
    }
    if (item->iSubItem != 0) {
        if ((item->mask & LVIF_TEXT) &&
            !state.m_model.setCellText(item->iItem, item->iSubItem, TextOf(item->pszText))) {
            return FALSE;
        }
        RowChanged(list, state, item->iItem);
        return TRUE;
    }
    RowEdit edit;
    edit.fields = item->mask & (LVIF_TEXT | LVIF_STATE | LVIF_PARAM);
    edit.text = TextOf(item->pszText);
    edit.state = item->state;
    edit.stateMask = item->stateMask;
    edit.param = item->lParam;
    if (!EditRow(list, state, item->iItem, edit)) {
        return FALSE;
    }
    // A selection may change other rows as well (single selection, the focus).
    if (item->mask & LVIF_STATE) {
        InvalidateRect(list, nullptr, FALSE);
    } else {
        RowChanged(list, state, item->iItem);
    }
    return TRUE;
}

LRESULT SetItemText(HWND list, ListViewState& state, int row, const LVITEMW* item) {
    if (!item || !state.m_model.hasRow(row)) {
        return FALSE;
    }
    if (item->iSubItem == 0) {
        RowEdit edit;
        edit.fields = LVIF_TEXT;
        edit.text = TextOf(item->pszText);
        if (!EditRow(list, state, row, edit)) {
            return FALSE;
        }
    } else if (!state.m_model.setCellText(row, item->iSubItem, TextOf(item->pszText))) {
        return FALSE;
    }
    RowChanged(list, state, row);
    return TRUE;
}

LRESULT GetItemText(const ListViewState& state, int row, LVITEMW* item) {
    if (!item) {
        return 0;
    }
    return CopyText(state.m_model.cellText(row, item->iSubItem), item->pszText, item->cchTextMax);
}

LRESULT GetItem(const ListViewState& state, LVITEMW* item) {
    if (!item || !state.m_model.hasRow(item->iItem)) {
        return FALSE;
    }
    if (item->mask & LVIF_TEXT) {
        CopyText(state.m_model.cellText(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
    }
    if (item->mask & LVIF_STATE) {
        item->state = state.m_model.rowState(item->iItem, item->stateMask);
    }
    if (item->mask & LVIF_PARAM) {
        item->lParam = state.m_model.param(item->iItem);
    }
    if (item->mask & LVIF_IMAGE) {
        item->iImage = 0;
    }
    if (item->mask & LVIF_INDENT) {
        item->iIndent = 0;
    }
    return TRUE;
}

LRESULT SetItemState(HWND list, ListViewState& state, int row, const LVITEMW* item) {
    if (!item) {
        return FALSE;
    }
    const bool done = SetRowStates(list, state, row, item->state, item->stateMask);
    if (StillAlive(list)) {
        InvalidateRect(list, nullptr, FALSE);
    }
    return done;
}

LRESULT DeleteItem(HWND list, ListViewState& state, int row) {
    if (!DeleteRow(list, state, row)) {
        return FALSE;
    }
    RowsChanged(list, state, row);
    return TRUE;
}

LRESULT DeleteAllItems(HWND list, ListViewState& state) {
    DeleteAllRows(list, state);
    if (!StillAlive(list)) {
        return TRUE;
    }
    state.m_topRow = 0;
    RowsChanged(list, state, 0);
    return TRUE;
}

// ---- geometry -------------------------------------------------------------------------------------
LRESULT GetItemRect(HWND list, ListViewState& state, int row, RECT* rect) {
    if (!rect || !state.m_model.hasRow(row)) {
        return FALSE;
    }
    const ListLayout layout = LayoutOf(list, state);
    const LONG code = rect->left;
    *rect = code == LVIR_LABEL ? SubItemRect(layout, state, row, 0) : RowRect(layout, state, row);
    if (code == LVIR_ICON) {
        rect->right = rect->left;
    }
    return TRUE;
}

LRESULT GetSubItemRect(HWND list, ListViewState& state, int row, RECT* rect) {
    if (!rect || !state.m_model.hasRow(row)) {
        return FALSE;
    }
    const ListLayout layout = LayoutOf(list, state);
    const int column = rect->top;
    if (column < 0 || column >= std::max(1, state.m_model.columnCount())) {
        return FALSE;
    }
    // Sub-item 0 with LVIR_BOUNDS is the whole row, as on Windows.
    *rect = (column == 0 && rect->left == LVIR_BOUNDS) ? RowRect(layout, state, row)
                                                       : SubItemRect(layout, state, row, column);
    return TRUE;
}

LRESULT HitTest(HWND list, ListViewState& state, LVHITTESTINFO* info, bool subItems) {
    if (!info) {
        return -1;
    }
    const ListLayout layout = LayoutOf(list, state);
    const int row = RowAt(layout, state, info->pt);
    info->iItem = row;
    info->iSubItem = row >= 0 && subItems ? std::max(0, ColumnAt(layout, state, info->pt.x)) : 0;
    if (row >= 0) {
        info->flags = LVHT_ONITEMLABEL;
    } else if (info->pt.y < layout.rows.top) {
        info->flags = LVHT_ABOVE;
    } else if (info->pt.y >= layout.rows.bottom) {
        info->flags = LVHT_BELOW;
    } else {
        info->flags = LVHT_NOWHERE;
    }
    return row;
}

LRESULT Scroll(HWND list, ListViewState& state, int dx, int dy) {
    const ListLayout layout = LayoutOf(list, state);
    int rows = dy / layout.rowHeight;
    if (rows == 0 && dy != 0) {
        rows = dy > 0 ? 1 : -1;
    }
    ScrollTo(list, state, state.m_topRow + rows, state.m_scrollX + dx);
    return TRUE;
}

// ---- styles and fonts -----------------------------------------------------------------------------
LRESULT SetExtendedStyle(HWND list, ListViewState& state, WPARAM mask, LPARAM style) {
    const DWORD previous = state.m_extendedStyle;
    const DWORD changing = mask ? static_cast<DWORD>(mask) : 0xFFFFFFFFu;
    state.m_extendedStyle = (previous & ~changing) | (static_cast<DWORD>(style) & changing);
    InvalidateRect(list, nullptr, FALSE);
    return previous;
}

void SetFont(HWND list, ListViewState& state, WPARAM font, LPARAM redraw) {
    SetFontAndRedraw(list, state.m_font, font, redraw);
    MeasureRows(list, state);
    if (!StillAlive(list)) {
        return;
    }
    if (state.m_header) {
        InvalidateRect(state.m_header, nullptr, FALSE);
    }
    Changed(list, state);
}

void OnCreate(HWND list, ListViewState& state) {
    if (HasHeader(list)) {
        state.m_header = CreateHeaderWindow(list);
        PlaceHeader(list, state);
    }
}

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ListViewState* state = StateOf<ListViewState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            state = AttachState<ListViewState>(hwnd);
            if (msg == WM_CREATE) {
                OnCreate(hwnd, *state);
            }
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* item = reinterpret_cast<LVITEMW*>(lParam);
    const int index = static_cast<int>(wParam);
    switch (msg) {
    case WM_CREATE:
        OnCreate(hwnd, *state);
        return 0;
    case WM_NCDESTROY:
        // The parent hears of the rows going with the list, as with LVM_DELETEALLITEMS.
        DeleteAllRows(hwnd, *state);
        DetachState<ListViewState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return PaintWith(hwnd, msg, wParam,
                         [&](HDC dc, const RECT& client) { PaintListView(hwnd, *state, dc, client); });
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Changed(hwnd, *state);
        return 0;
    case WM_SETFONT:
        SetFont(hwnd, *state, wParam, lParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_font);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyCode(hwnd, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    case WM_STYLECHANGED:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnListButtonDown(hwnd, *state, PointOf(lParam), wParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        OnListRightButtonDown(hwnd, *state, PointOf(lParam), wParam);
        return 0;
    case WM_RBUTTONUP:
        // The context menu came with the press; a late release must not bring a second one.
        return 0;
    case WM_MOUSEMOVE:
        OnListMouseMove(hwnd, *state, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        OnListButtonUp(hwnd, *state);
        return 0;
    case WM_KEYDOWN:
        OnListKeyDown(hwnd, *state, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnListWheel(hwnd, *state, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnListScroll(hwnd, *state, msg == WM_VSCROLL, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;

    case LVM_GETITEMCOUNT:
        return state->m_model.rowCount();
    case LVM_GETSELECTEDCOUNT:
        return state->m_model.selectedCount();
    case LVM_INSERTCOLUMNW:
        return InsertColumn(hwnd, *state, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNW:
        return GetColumn(*state, index, reinterpret_cast<LVCOLUMNW*>(lParam));
    case LVM_SETCOLUMNW:
        return SetColumn(hwnd, *state, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_DELETECOLUMN:
        if (!state->m_model.deleteColumn(index)) {
            return FALSE;
        }
        ColumnsChanged(hwnd, *state);
        return TRUE;
    case LVM_GETCOLUMNWIDTH:
        return index >= 0 && index < state->m_model.columnCount() ? state->m_model.column(index).width : 0;
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(hwnd, *state, index, static_cast<short>(LOWORD(lParam)));
    case LVM_INSERTITEMW:
        return InsertItem(hwnd, *state, item);
    case LVM_SETITEMW:
        return SetItem(hwnd, *state, item);
    case LVM_GETITEMW:
        return GetItem(*state, item);
    case LVM_SETITEMTEXTW:
        return SetItemText(hwnd, *state, index, item);
    case LVM_GETITEMTEXTW:
        return GetItemText(*state, index, item);
    case LVM_SETITEMSTATE:
        return SetItemState(hwnd, *state, index, item);
    case LVM_GETITEMSTATE:
        return state->m_model.rowState(index, static_cast<UINT>(lParam));
    case LVM_GETNEXTITEM:
        return state->m_model.nextRow(index, LOWORD(lParam));
    case LVM_DELETEITEM:
        return DeleteItem(hwnd, *state, index);
    case LVM_DELETEALLITEMS:
        return DeleteAllItems(hwnd, *state);
    case LVM_SETITEMCOUNT:
        state->m_model.reserveRows(index);
        return TRUE;
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(hwnd, *state, index, lParam != 0);
    case LVM_GETTOPINDEX:
        return state->m_topRow;
    case LVM_GETCOUNTPERPAGE:
        return LayoutOf(hwnd, *state).fullRows;
    case LVM_SCROLL:
        return Scroll(hwnd, *state, index, static_cast<int>(lParam));
    case LVM_GETITEMRECT:
        return GetItemRect(hwnd, *state, index, reinterpret_cast<RECT*>(lParam));
    case LVM_GETSUBITEMRECT:
        return GetSubItemRect(hwnd, *state, index, reinterpret_cast<RECT*>(lParam));
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST:
        return HitTest(hwnd, *state, reinterpret_cast<LVHITTESTINFO*>(lParam), msg == LVM_SUBITEMHITTEST);
    case LVM_REDRAWITEMS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(state->m_header);
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return state->m_extendedStyle;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return SetExtendedStyle(hwnd, *state, wParam, lParam);
    case LVM_GETBKCOLOR:
        return state->m_background == CLR_INVALID ? GetSysColor(COLOR_WINDOW) : state->m_background;
    case LVM_SETBKCOLOR:
        state->m_background = static_cast<COLORREF>(lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case LVM_GETSELECTIONMARK:
        return state->m_model.selectionMark();
    case LVM_SETSELECTIONMARK:
        return state->m_model.setSelectionMark(static_cast<int>(lParam));
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterListViewClasses() {
    RegisterControlClass(WC_LISTVIEWW, ListViewProc, CS_DBLCLKS);
    RegisterHeaderClass();
}

} // namespace controls
