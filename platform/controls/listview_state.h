// The list view's per-window state and the pieces its files share: geometry, scrolling, painting
// and input. Only the list view's own files include this.
#pragma once

#include "listview_model.h"
#include "scroll_bar.h"

#include <windows.h>

#include <string_view>

namespace controls {

// The header row is 20 px high whatever the font, so that list geometry is the same everywhere.
constexpr int kHeaderHeight = 20;
// Rows of a list that is not owner-drawn are 4 px higher than a text line of the list's font.
constexpr int kRowPadding = 4;
constexpr int kWheelRows = 3; // rows scrolled by one notch of the mouse wheel

struct ThumbDrag {
    bool active = false;
    bool vertical = true;
    int grabOffset = 0; // pointer position minus the thumb's leading edge when it was grabbed
};

struct ListViewState {
    ListModel m_model;
    HFONT m_font = nullptr;
    HWND m_header = nullptr;
    int m_topRow = 0;
    int m_scrollX = 0;
    int m_rowHeight = 0; // 0 until measured (for owner-drawn rows: asked with WM_MEASUREITEM)
    DWORD m_extendedStyle = 0;
    COLORREF m_background = CLR_INVALID; // CLR_INVALID: the system window colour
    ThumbDrag m_thumbDrag;
    int m_wheelRemainder = 0;
    // Where PlaceHeader last put (or found) the header. Rows coming and going move the header only
    // when a scroll bar appears or goes, so they compare with this instead of asking the window.
    RECT m_placedHeader{};
};

struct ListLayout {
    RECT inside{}; // the client area less the border the list draws itself
    RECT header{}; // empty without a header row
    RECT rows{};   // where rows show
    RECT verticalBar{};
    RECT horizontalBar{};
    RECT corner{}; // between the two bars
    int rowHeight = 1;
    int contentWidth = 0;
    int fullRows = 0; // rows wholly visible
    int partRows = 0; // rows at least partly visible
};

// ---- geometry (listview_layout.cpp) ----------------------------------------------------------------
ListLayout ComputeListLayout(const RECT& inside, int headerHeight, int rowHeight, int contentWidth,
                             int rowCount, int barThickness);
bool IsOwnerDrawn(HWND list);
bool HasHeader(HWND list);
bool IsSingleSelection(HWND list);
// The measured row height; before the first measurement, a line of the font and the padding.
int RowHeight(const ListViewState& state);
// Works the row height out again (asking the parent of an owner-drawn list), when the font changes
// and when the first row comes to a list never measured; the list may be gone afterwards.
void MeasureRows(HWND list, ListViewState& state);
ListLayout LayoutOf(HWND list, const ListViewState& state);
RECT RowRect(const ListLayout& layout, const ListViewState& state, int row);
RECT SubItemRect(const ListLayout& layout, const ListViewState& state, int row, int column);
int RowAt(const ListLayout& layout, const ListViewState& state, POINT pt); // -1: no row there
int ColumnAt(const ListLayout& layout, const ListViewState& state, int x); // -1: no column there
ScrollBarState VerticalScroll(const ListLayout& layout, const ListViewState& state);
ScrollBarState HorizontalScroll(const ListLayout& layout, const ListViewState& state);
// Keeps the scroll positions inside what the rows and columns allow; repaints when they change.
void ClampScroll(HWND list, ListViewState& state);
bool ScrollTo(HWND list, ListViewState& state, int topRow, int scrollX);
bool EnsureVisible(HWND list, ListViewState& state, int row, bool partialOk);
void PlaceHeader(HWND list, ListViewState& state);

// ---- what the parent is told (listview_changes.cpp) ------------------------------------------------
// What LVM_SETITEM and LVM_SETITEMSTATE change in one row: the state bits under `stateMask` with
// LVIF_STATE, the first cell with LVIF_TEXT, the item data with LVIF_PARAM.
struct RowEdit {
    UINT fields = 0;
    UINT state = 0;
    UINT stateMask = 0;
    std::wstring_view text;
    LPARAM param = 0;
};
RowEdit StateEdit(UINT state, UINT mask);
// Changes one row, between LVN_ITEMCHANGING (a non-zero answer keeps the row as it was: false) and
// LVN_ITEMCHANGED. False as well when the list is gone or the row with it.
bool EditRow(HWND list, ListViewState& state, int row, const RowEdit& edit);
// LVM_SETITEMSTATE, row -1 meaning every row.
bool SetRowStates(HWND list, ListViewState& state, int row, UINT rowState, UINT mask);
// The steps of the mouse and the keys; each leaves the list to be repainted, and the list may be
// gone afterwards.
void DeselectAllBut(HWND list, ListViewState& state, int keep);                // keep -1: every row
void SelectAlone(HWND list, ListViewState& state, int row);                    // with the focus and the mark
void SelectRangeTo(HWND list, ListViewState& state, int row, bool keepOthers); // from the mark
void ToggleSelected(HWND list, ListViewState& state, int row, bool withFocus);
void FocusRow(HWND list, ListViewState& state, int row);
// Rows coming and going: LVN_INSERTITEM once the row is in, LVN_DELETEITEM before it goes, and
// LVN_DELETEALLITEMS before they all go, whose non-zero answer spares the parent the rows' own.
int InsertRow(HWND list, ListViewState& state, int index, ListRow row);
void NotifyInserted(HWND list, const ListViewState& state, int row);
bool DeleteRow(HWND list, ListViewState& state, int row);
void DeleteAllRows(HWND list, ListViewState& state);
// WM_NOTIFY with only the header: NM_SETFOCUS, NM_KILLFOCUS.
void NotifyCode(HWND list, UINT code);

// ---- painting (listview_paint.cpp) -----------------------------------------------------------------
void PaintListView(HWND list, const ListViewState& state, HDC dc, const RECT& client);
void PaintHeaderRow(HDC dc, const RECT& area, const ListModel& model, int scrollX, HFONT font);

// ---- input (listview_input.cpp) --------------------------------------------------------------------
void OnListButtonDown(HWND list, ListViewState& state, POINT pt, WPARAM keys, bool doubleClick);
void OnListRightButtonDown(HWND list, ListViewState& state, POINT pt, WPARAM keys);
void OnListMouseMove(HWND list, ListViewState& state, POINT pt);
void OnListButtonUp(HWND list, ListViewState& state);
void OnListKeyDown(HWND list, ListViewState& state, WPARAM key);
void OnListWheel(HWND list, ListViewState& state, int delta);
void OnListScroll(HWND list, ListViewState& state, bool vertical, int code, int thumb);

// ---- the header window (listview_header.cpp) -------------------------------------------------------
void RegisterHeaderClass();
HWND CreateHeaderWindow(HWND list);

} // namespace controls
