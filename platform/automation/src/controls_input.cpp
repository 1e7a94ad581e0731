// The simulated user on a list view and a combo box: scrolling a row into view with the wheel and
// clicking it, right-clicking a row or the empty area, opening a combo box's list and clicking an
// item. Only what a person can see is asked of the controls (item rectangles, the top row); the
// actions themselves are mouse messages.
#include "automation.h"

#include "input.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

namespace automation {

namespace {

constexpr int kRowsPerNotch = 3; // what one notch of the wheel scrolls in a list
constexpr int kMostScrollSteps = 64;

void Wheel(HWND window, int notches) {
    if (notches == 0) {
        return;
    }
    const POINT screen = input::CentreOnScreen(window);
    SetCursorPos(screen.x, screen.y);
    input::PostInput(window, WM_MOUSEWHEEL,
                     MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(-notches * WHEEL_DELTA))),
                     MAKELPARAM(screen.x, screen.y));
    Pump();
}

// Turns the wheel over the list until `row` is wholly in view.
bool ScrollRowIntoView(HWND list, int row) {
    for (int step = 0; step < kMostScrollSteps; ++step) {
        const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        const int perPage = std::max(1, static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0)));
        if (row >= top && row < top + perPage) {
            return true;
        }
        const int rows = row < top ? row - top : row - (top + perPage - 1);
        const int notches = (rows + (rows > 0 ? kRowsPerNotch - 1 : -(kRowsPerNotch - 1))) / kRowsPerNotch;
        Wheel(list, notches);
        if (static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)) == top) {
            return false; // the wheel moves nothing any more
        }
    }
    return false;
}

// A point inside the row, near the left of its first column, within the list's client area.
bool PointOnRow(HWND list, int row, POINT* pt) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect))) {
        return false;
    }
    RECT client{};
    GetClientRect(list, &client);
    const LONG left = std::max(rect.left, client.left);
    const LONG right = std::min(rect.right, client.right);
    if (right <= left) {
        return false;
    }
    pt->x = std::min<LONG>(left + 8, (left + right) / 2);
    pt->y = (rect.top + rect.bottom) / 2;
    return true;
}

bool IsEmptyArea(HWND list, POINT pt) {
    RECT client{};
    GetClientRect(list, &client);
    if (!PtInRect(&client, pt)) {
        return false;
    }
    LVHITTESTINFO hit{};
    hit.pt = pt;
    return SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == -1 &&
           hit.flags == LVHT_NOWHERE;
}

// Somewhere in the list that holds no row: below the last row, or right of the columns.
bool PointOnEmptyArea(HWND list, POINT* pt) {
    RECT client{};
    GetClientRect(list, &client);
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    POINT candidates[3] = {{(client.left + client.right) / 2, (client.top + client.bottom) / 2}, {}, {}};
    if (count > 0) {
        RECT last{};
        last.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
        candidates[1] = POINT{std::max<LONG>(client.left + 4, last.left + 4), last.bottom + 2};
        RECT top{};
        top.left = LVIR_BOUNDS;
        const int first = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(&top));
        candidates[2] = POINT{top.right + 4, (top.top + top.bottom) / 2};
    }
    for (const POINT& candidate : candidates) {
        if (IsEmptyArea(list, candidate)) {
            *pt = candidate;
            return true;
        }
    }
    return false;
}

HWND OpenComboList(HWND combo) {
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) && !Click(combo)) {
        return nullptr;
    }
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        return nullptr;
    }
    // The open list holds the mouse.
    HWND list = GetCapture();
    wchar_t name[16] = {};
    if (!list || GetClassNameW(list, name, 16) == 0 || std::wcscmp(name, L"ComboLBox") != 0) {
        return nullptr;
    }
    return list;
}

bool ItemShows(HWND list, int index, RECT* rect) {
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) ==
        LB_ERR) {
        return false;
    }
    RECT client{};
    GetClientRect(list, &client);
    return rect->top >= client.top && rect->bottom <= client.bottom;
}

} // namespace

BOOL PickListRow(HWND list, int row, unsigned modifiers) {
    if (!IsWindow(list) || row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) {
        return FALSE;
    }
    POINT pt{};
    if (!ScrollRowIntoView(list, row) || !PointOnRow(list, row, &pt)) {
        return FALSE;
    }
    return ClickAt(list, pt, modifiers);
}

BOOL RightClickList(HWND list, int row) {
    if (!IsWindow(list)) {
        return FALSE;
    }
    POINT pt{};
    if (row < 0) {
        if (!PointOnEmptyArea(list, &pt)) {
            return FALSE;
        }
    } else if (row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) ||
               !ScrollRowIntoView(list, row) || !PointOnRow(list, row, &pt)) {
        return FALSE;
    }
    return RightClickAt(list, pt);
}

BOOL ChooseComboItem(HWND combo, int index) {
    if (!IsWindow(combo) || index < 0 || index >= static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0))) {
        return FALSE;
    }
    HWND list = OpenComboList(combo);
    if (!list) {
        return FALSE;
    }
    RECT item{};
    for (int step = 0; step < kMostScrollSteps && !ItemShows(list, index, &item); ++step) {
        const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        Wheel(list, index < top ? -1 : 1);
    }
    if (!ItemShows(list, index, &item)) {
        return FALSE;
    }
    POINT pt{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClickAt(list, pt, kNone);
    return SendMessageW(combo, CB_GETCURSEL, 0, 0) == index ? TRUE : FALSE;
}

} // namespace automation
