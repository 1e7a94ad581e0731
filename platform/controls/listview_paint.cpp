// How a list view looks: its border, the rows that are in view (drawn by the parent through
// WM_DRAWITEM for owner-drawn lists, by the list otherwise), its scroll bars, and the header row.
// Each paint goes through the custom-draw stages of NM_CUSTOMDRAW: the whole paint, and each row
// and each cell when the parent asks for them; a row the parent says it drew is left alone. The
// colours and fonts a parent may set in NMLVCUSTOMDRAW are not taken.
#include "control_base.h"
#include "listview_state.h"
#include "paint_kit.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kCellPadding = 6; // text inset from the left and right edges of a cell

UINT AlignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

struct RowLook {
    bool selected = false; // shown selected
    bool active = false;   // the list has the focus: selection in the highlight colour
    bool focused = false;  // the focus rectangle is shown on this row
};

RowLook LookOf(HWND list, const ListViewState& state, int row) {
    const bool hasFocus = GetFocus() == list;
    const bool showAlways = (GetWindowLongW(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
    RowLook look;
    look.selected = state.m_model.rowState(row, LVIS_SELECTED) != 0 && (hasFocus || showAlways);
    look.active = hasFocus;
    look.focused = hasFocus && state.m_model.focusedRow() == row;
    return look;
}

void DrawRowByParent(HWND list, const ListViewState& state, HDC dc, int row, const RECT& rect,
                     const RowLook& look) {
    DRAWITEMSTRUCT drawItem{};
    drawItem.CtlType = ODT_LISTVIEW;
    drawItem.CtlID = static_cast<UINT>(GetDlgCtrlID(list));
    drawItem.itemID = static_cast<UINT>(row);
    drawItem.itemAction = ODA_DRAWENTIRE;
    drawItem.itemState = (look.selected ? ODS_SELECTED : 0) | (look.focused ? ODS_FOCUS : 0);
    drawItem.hwndItem = list;
    drawItem.hDC = dc;
    drawItem.rcItem = rect;
    drawItem.itemData = static_cast<ULONG_PTR>(state.m_model.param(row));
    HWND parent = GetParent(list);
    if (parent) {
        SendMessageW(parent, WM_DRAWITEM, drawItem.CtlID, reinterpret_cast<LPARAM>(&drawItem));
    }
}

// One stage of custom drawing; the parent's answer (CDRF_*).
LRESULT CustomDraw(HWND list, NMLVCUSTOMDRAW& draw, DWORD stage) {
    draw.nmcd.dwDrawStage = stage;
    return NotifyParent(list, &draw.nmcd.hdr, NM_CUSTOMDRAW);
}

void DrawRowCells(HWND list, const ListViewState& state, HDC dc, int row, const RECT& rect,
                  const RowLook& look, NMLVCUSTOMDRAW* cellStages) {
    const ListModel& model = state.m_model;
    const bool fullRow = (state.m_extendedStyle & LVS_EX_FULLROWSELECT) != 0;
    const int highlight = look.active ? COLOR_HIGHLIGHT : COLOR_3DFACE;
    const int highlightText = look.active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    SetBkMode(dc, TRANSPARENT);
    int x = rect.left;
    for (int column = 0; column < model.columnCount(); ++column) {
        const ListColumn& info = model.column(column);
        const int width = std::max(0, info.width);
        RECT cell{x, rect.top, x + width, rect.bottom};
        x += width;
        if (cellStages) {
            cellStages->iSubItem = info.subItem;
            CustomDraw(list, *cellStages, CDDS_ITEMPREPAINT | CDDS_SUBITEM);
            if (!StillAlive(list)) {
                return;
            }
        }
        if (width == 0) {
            continue;
        }
        const bool paintSelected = look.selected && (fullRow || column == 0);
        if (paintSelected) {
            FillSysColour(dc, cell, highlight);
        }
        SetTextColor(dc, GetSysColor(paintSelected ? highlightText : COLOR_WINDOWTEXT));
        const std::wstring& text = model.cellText(row, info.subItem);
        RECT label = cell;
        InflateRect(&label, -kCellPadding, 0);
        if (!text.empty() && label.right > label.left) {
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label,
                      AlignmentOf(info.format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        if (state.m_extendedStyle & LVS_EX_GRIDLINES) {
            FillSysColour(dc, RECT{cell.right - 1, cell.top, cell.right, cell.bottom}, COLOR_3DLIGHT);
        }
    }
    if (state.m_extendedStyle & LVS_EX_GRIDLINES) {
        FillSysColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, COLOR_3DLIGHT);
    }
    if (look.focused) {
        RECT focus = rect;
        if (!fullRow && model.columnCount() > 0) {
            focus.right = focus.left + std::max(0, model.column(0).width);
        }
        DrawFocusRect(dc, &focus);
    }
}

void FillBackground(HDC dc, const RECT& rect, COLORREF colour) {
    if (colour == CLR_INVALID) {
        FillSysColour(dc, rect, COLOR_WINDOW);
    } else {
        FillColour(dc, rect, colour);
    }
}

} // namespace

// Draws one row in view between its custom-draw stages, when the parent asked for them.
void PaintRow(HWND list, const ListViewState& state, HDC dc, int row, const RECT& rect, bool rowStages) {
    const RowLook look = LookOf(list, state, row);
    const bool ownerDrawn = IsOwnerDrawn(list);
    NMLVCUSTOMDRAW draw{};
    LRESULT answer = CDRF_DODEFAULT;
    if (rowStages) {
        draw.nmcd.hdc = dc;
        draw.nmcd.rc = rect;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.nmcd.uItemState = (look.selected ? CDIS_SELECTED : 0) | (look.focused ? CDIS_FOCUS : 0);
        draw.nmcd.lItemlParam = state.m_model.param(row);
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = state.m_background == CLR_INVALID ? GetSysColor(COLOR_WINDOW) : state.m_background;
        answer = CustomDraw(list, draw, CDDS_ITEMPREPAINT);
        if (!StillAlive(list)) {
            return;
        }
    }
    if (!(answer & CDRF_SKIPDEFAULT)) {
        if (ownerDrawn) {
            // An owner-drawn row has no cells of its own to tell of.
            DrawRowByParent(list, state, dc, row, rect, look);
        } else {
            const bool cellStages = (answer & CDRF_NOTIFYSUBITEMDRAW) != 0;
            DrawRowCells(list, state, dc, row, rect, look, cellStages ? &draw : nullptr);
        }
        if (!StillAlive(list)) {
            return;
        }
    }
    if (answer & CDRF_NOTIFYPOSTPAINT) {
        draw.iSubItem = 0;
        CustomDraw(list, draw, CDDS_ITEMPOSTPAINT);
    }
}

void PaintListView(HWND list, const ListViewState& state, HDC dc, const RECT& client) {
    DrawOwnBorder(list, dc, client);
    const ListLayout layout = LayoutOf(list, state);
    FontSelection font(dc, FontOrDefault(state.m_font));
    NMLVCUSTOMDRAW paint{};
    paint.nmcd.hdc = dc;
    paint.nmcd.rc = client;
    const LRESULT answer = CustomDraw(list, paint, CDDS_PREPAINT);
    if (!StillAlive(list)) {
        return;
    }
    FillBackground(dc, layout.rows, state.m_background);
    const int count = state.m_model.rowCount();
    const int last = std::min(count, state.m_topRow + layout.partRows);
    for (int row = state.m_topRow; row < last && !(answer & CDRF_SKIPDEFAULT) && state.m_model.hasRow(row);
         ++row) {
        // Every row in view is drawn, the one cut by the bottom edge included, clipped to the rows'
        // area; the owner may change the DC, so each row starts from the same DC state.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, layout.rows.left, layout.rows.top, layout.rows.right, layout.rows.bottom);
        PaintRow(list, state, dc, row, RowRect(layout, state, row), (answer & CDRF_NOTIFYITEMDRAW) != 0);
        RestoreDC(dc, saved);
        if (!StillAlive(list)) {
            return;
        }
    }
    if (!IsRectEmpty(&layout.verticalBar)) {
        PaintScrollBar(dc, layout.verticalBar, VerticalScroll(layout, state));
    }
    if (!IsRectEmpty(&layout.horizontalBar)) {
        PaintScrollBar(dc, layout.horizontalBar, HorizontalScroll(layout, state));
    }
    if (!IsRectEmpty(&layout.corner)) {
        FillSysColour(dc, layout.corner, COLOR_3DFACE);
    }
    if (answer & CDRF_NOTIFYPOSTPAINT) {
        CustomDraw(list, paint, CDDS_POSTPAINT);
    }
}

void PaintHeaderRow(HDC dc, const RECT& area, const ListModel& model, int scrollX, HFONT font) {
    FontSelection selection(dc, FontOrDefault(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int x = area.left - scrollX;
    for (int column = 0; column < model.columnCount(); ++column) {
        const ListColumn& info = model.column(column);
        const int width = std::max(0, info.width);
        if (width == 0) {
            continue;
        }
        RECT cell{x, area.top, x + width, area.bottom};
        x += width;
        PaintButtonBox(dc, cell, false);
        RECT label = cell;
        InflateRect(&label, -kCellPadding, 0);
        if (!info.text.empty() && label.right > label.left) {
            DrawTextW(dc, info.text.c_str(), static_cast<int>(info.text.size()), &label,
                      AlignmentOf(info.format) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    if (x < area.right) {
        // The header goes on as an empty button face to the right of the last column.
        PaintButtonBox(dc, RECT{x, area.top, area.right, area.bottom}, false);
    }
}

} // namespace controls
