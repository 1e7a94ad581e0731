// What a person's mouse and keys do to a list view: selecting rows by click, Ctrl-click and
// Shift-click, the right click that leads to a context menu, keyboard navigation, the wheel and the
// scroll bars.
#include "control_base.h"
#include "listview_state.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

constexpr int kDragDistance = 4;    // pixels the pointer may move before a press becomes a drag
constexpr int kHorizontalLine = 16; // pixels scrolled by an arrow of the horizontal bar

bool KeyHeld(int key) {
    return GetKeyState(key) < 0;
}

// Windows tells a click from a drag before it reports the click: it reads the mouse messages that
// wait for the list until the button comes up (a click) or the pointer moves beyond the drag
// distance (a drag). The button-up is thereby consumed. With nothing waiting, the button counts as
// released where it went down.
bool ReleasedWithoutDrag(HWND list, UINT upMessage, POINT start) {
    MSG msg{};
    while (PeekMessageW(&msg, list, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
        if (msg.message == upMessage) {
            PeekMessageW(&msg, list, upMessage, upMessage, PM_REMOVE);
            return true;
        }
        if (msg.message != WM_MOUSEMOVE) {
            return true;
        }
        PeekMessageW(&msg, list, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
        const int dx = GET_X_LPARAM(msg.lParam) - start.x;
        const int dy = GET_Y_LPARAM(msg.lParam) - start.y;
        if (std::abs(dx) > kDragDistance || std::abs(dy) > kDragDistance) {
            return false;
        }
    }
    return true;
}

UINT KeyFlags(WPARAM keys) {
    return ((keys & MK_CONTROL) ? LVKF_CONTROL : 0) | ((keys & MK_SHIFT) ? LVKF_SHIFT : 0);
}

LRESULT NotifyActivate(HWND list, const ListLayout& layout, const ListViewState& state, UINT code, int row,
                       POINT pt, WPARAM keys) {
    NMITEMACTIVATE activate{};
    activate.iItem = row;
    activate.iSubItem = row >= 0 ? std::max(0, ColumnAt(layout, state, pt.x)) : 0;
    activate.ptAction = pt;
    activate.lParam = row >= 0 ? state.m_model.param(row) : 0;
    activate.uKeyFlags = KeyFlags(keys);
    return NotifyParent(list, &activate.hdr, code);
}

// ---- selection rules of the mouse -----------------------------------------------------------------
// Plain click: the row alone is selected. Ctrl: the row's selection flips. Shift: the rows from the
// selection mark to the clicked one are selected (with Ctrl as well, added to the others). The
// clicked row takes the focus; a plain or Ctrl click also moves the mark there. A plain click on the
// empty area clears the selection. A single-selection list treats Shift as a plain click.
void ApplyLeftClick(HWND list, ListViewState& state, int row, WPARAM keys) {
    const bool ctrl = (keys & MK_CONTROL) != 0;
    const bool shift = (keys & MK_SHIFT) != 0 && !IsSingleSelection(list);
    if (row < 0) {
        if (!ctrl && !shift) {
            DeselectAllBut(list, state, -1);
        }
        return;
    }
    if (shift) {
        SelectRangeTo(list, state, row, ctrl);
    } else if (ctrl) {
        ToggleSelected(list, state, row, true);
        if (StillAlive(list)) {
            state.m_model.setSelectionMark(row);
        }
    } else {
        SelectAlone(list, state, row);
    }
}

// Right click: on a selected row the selection stays and the focus moves there; on another row
// that row takes the focus and is then selected alone; on the empty area nothing stays selected.
void ApplyRightClick(HWND list, ListViewState& state, int row) {
    if (row < 0) {
        DeselectAllBut(list, state, -1);
        return;
    }
    const bool selected = state.m_model.rowState(row, LVIS_SELECTED) != 0;
    FocusRow(list, state, row);
    if (!selected && StillAlive(list)) {
        SelectAlone(list, state, row);
    }
}

// The click's changes come before the list takes the focus, as on Windows; the list may be gone.
bool TakeFocus(HWND list) {
    if (StillAlive(list) && GetFocus() != list) {
        SetFocus(list);
    }
    return StillAlive(list);
}

// ---- scroll bars ----------------------------------------------------------------------------------
bool ClickScrollBar(HWND list, ListViewState& state, const ListLayout& layout, POINT pt) {
    const bool vertical = PtInRect(&layout.verticalBar, pt) != FALSE;
    const bool horizontal = PtInRect(&layout.horizontalBar, pt) != FALSE;
    if (PtInRect(&layout.corner, pt)) {
        return true;
    }
    if (!vertical && !horizontal) {
        return false;
    }
    const RECT& bar = vertical ? layout.verticalBar : layout.horizontalBar;
    const ScrollBarState scroll = vertical ? VerticalScroll(layout, state) : HorizontalScroll(layout, state);
    const ScrollPart part = ScrollBarHitTest(bar, scroll, pt);
    if (part == ScrollPart::Thumb) {
        const RECT thumb = ScrollThumbRect(bar, scroll);
        state.m_thumbDrag = ThumbDrag{true, vertical, vertical ? pt.y - thumb.top : pt.x - thumb.left};
        SetCapture(list);
        return true;
    }
    int position = ScrollPositionAfter(scroll, part);
    if (!vertical && (part == ScrollPart::LineBack || part == ScrollPart::LineForward)) {
        position = state.m_scrollX + (position - state.m_scrollX) * kHorizontalLine;
    }
    if (vertical) {
        ScrollTo(list, state, position, state.m_scrollX);
    } else {
        ScrollTo(list, state, state.m_topRow, position);
    }
    return true;
}

} // namespace

void OnListButtonDown(HWND list, ListViewState& state, POINT pt, WPARAM keys, bool doubleClick) {
    const ListLayout layout = LayoutOf(list, state);
    if (ClickScrollBar(list, state, layout, pt)) {
        TakeFocus(list);
        return;
    }
    const int row = RowAt(layout, state, pt);
    ApplyLeftClick(list, state, row, keys);
    if (!TakeFocus(list)) {
        return;
    }
    InvalidateRect(list, nullptr, FALSE);
    if (state.m_model.hasRow(row)) {
        EnsureVisible(list, state, row, false);
    }
    if (doubleClick) {
        NotifyActivate(list, layout, state, NM_DBLCLK, row, pt, keys);
        return;
    }
    // A drag starts nothing here (there is no LVN_BEGINDRAG) and is not a click.
    if (ReleasedWithoutDrag(list, WM_LBUTTONUP, pt)) {
        NotifyActivate(list, layout, state, NM_CLICK, row, pt, keys);
    }
}

void OnListRightButtonDown(HWND list, ListViewState& state, POINT pt, WPARAM keys) {
    const ListLayout layout = LayoutOf(list, state);
    const int row = RowAt(layout, state, pt);
    ApplyRightClick(list, state, row);
    if (!TakeFocus(list)) {
        return;
    }
    InvalidateRect(list, nullptr, FALSE);
    // A right drag is still a right click: NM_RCLICK comes on the press, once the release (or the
    // drag) has been seen, and a parent that does not claim it gets WM_CONTEXTMENU after it.
    ReleasedWithoutDrag(list, WM_RBUTTONUP, pt);
    const LRESULT handled = NotifyActivate(list, layout, state, NM_RCLICK, row, pt, keys);
    if (handled || !StillAlive(list)) {
        return;
    }
    POINT screen = pt;
    ClientToScreen(list, &screen);
    SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(screen.x, screen.y));
}

void OnListMouseMove(HWND list, ListViewState& state, POINT pt) {
    if (!state.m_thumbDrag.active) {
        return;
    }
    const ListLayout layout = LayoutOf(list, state);
    if (state.m_thumbDrag.vertical) {
        const int top = ScrollPositionForThumb(layout.verticalBar, VerticalScroll(layout, state),
                                               pt.y - state.m_thumbDrag.grabOffset);
        ScrollTo(list, state, top, state.m_scrollX);
    } else {
        const int x = ScrollPositionForThumb(layout.horizontalBar, HorizontalScroll(layout, state),
                                             pt.x - state.m_thumbDrag.grabOffset);
        ScrollTo(list, state, state.m_topRow, x);
    }
}

void OnListButtonUp(HWND list, ListViewState& state) {
    if (state.m_thumbDrag.active) {
        state.m_thumbDrag.active = false;
        if (GetCapture() == list) {
            ReleaseCapture();
        }
    }
}

void OnListKeyDown(HWND list, ListViewState& state, WPARAM key) {
    NMLVKEYDOWN keyDown{};
    keyDown.wVKey = static_cast<WORD>(key);
    NotifyParent(list, &keyDown.hdr, LVN_KEYDOWN);
    // The parent may have deleted rows, or the list itself, on this key.
    if (!StillAlive(list) || state.m_model.rowCount() == 0) {
        return;
    }
    const ListModel& model = state.m_model;
    const int count = model.rowCount();
    const int focus = model.focusedRow();
    const int page = std::max(1, LayoutOf(list, state).fullRows);
    const bool ctrl = KeyHeld(VK_CONTROL);
    const bool shift = KeyHeld(VK_SHIFT) && !IsSingleSelection(list);
    int target = focus;
    switch (key) {
    case VK_UP:
        target = focus < 0 ? 0 : focus - 1;
        break;
    case VK_DOWN:
        target = focus < 0 ? 0 : focus + 1;
        break;
    case VK_PRIOR:
        target = focus < 0 ? 0 : focus - page;
        break;
    case VK_NEXT:
        target = focus < 0 ? 0 : focus + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    case VK_SPACE:
        if (focus >= 0) {
            if (ctrl) {
                ToggleSelected(list, state, focus, false);
            } else {
                SelectAlone(list, state, focus);
            }
            if (StillAlive(list)) {
                InvalidateRect(list, nullptr, FALSE);
            }
        }
        return;
    default:
        return;
    }
    target = std::clamp(target, 0, count - 1);
    if (shift) {
        SelectRangeTo(list, state, target, ctrl);
    } else if (ctrl) {
        FocusRow(list, state, target);
    } else {
        SelectAlone(list, state, target);
    }
    if (!StillAlive(list)) {
        return;
    }
    InvalidateRect(list, nullptr, FALSE);
    EnsureVisible(list, state, target, false);
}

void OnListWheel(HWND list, ListViewState& state, int delta) {
    state.m_wheelRemainder += delta;
    const int notches = state.m_wheelRemainder / WHEEL_DELTA;
    state.m_wheelRemainder -= notches * WHEEL_DELTA;
    if (notches != 0) {
        ScrollTo(list, state, state.m_topRow - notches * kWheelRows, state.m_scrollX);
    }
}

void OnListScroll(HWND list, ListViewState& state, bool vertical, int code, int thumb) {
    const ListLayout layout = LayoutOf(list, state);
    const ScrollBarState scroll = vertical ? VerticalScroll(layout, state) : HorizontalScroll(layout, state);
    const int line = vertical ? 1 : kHorizontalLine;
    int position = scroll.position;
    switch (code) {
    case SB_LINEUP:
        position -= line;
        break;
    case SB_LINEDOWN:
        position += line;
        break;
    case SB_PAGEUP:
        position -= scroll.page;
        break;
    case SB_PAGEDOWN:
        position += scroll.page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = thumb;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = scroll.maxPosition();
        break;
    default:
        return;
    }
    if (vertical) {
        ScrollTo(list, state, position, state.m_scrollX);
    } else {
        ScrollTo(list, state, state.m_topRow, position);
    }
}

} // namespace controls
