// The simulated user on a top-level window's frame: dragging the sizing border and clicking the
// caption buttons, found by asking the window what lies under the pointer (WM_NCHITTEST) as the
// window manager does for a person's mouse.
#include "automation.h"

#include "input.h"

namespace automation {

namespace {

LPARAM ScreenParam(POINT pt) {
    return MAKELPARAM(pt.x, pt.y);
}

LPARAM ClientParam(HWND window, POINT screen) {
    POINT client = screen;
    ScreenToClient(window, &client);
    return MAKELPARAM(client.x, client.y);
}

LRESULT HitTest(HWND window, POINT screen) {
    return SendMessageW(window, WM_NCHITTEST, 0, ScreenParam(screen));
}

// The caption buttons sit in the top rows of the frame; the first point, scanning from the right,
// where the window reports `code`.
bool FindFrameButton(HWND window, LRESULT code, POINT* found) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int rows = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME) + 4;
    for (LONG y = rect.top; y < rect.top + rows && y < rect.bottom; ++y) {
        for (LONG x = rect.right - 1; x >= rect.left; --x) {
            if (HitTest(window, POINT{x, y}) == code) {
                // Aim at the middle of the button rather than its edge.
                LONG right = x;
                while (right - 1 >= rect.left && HitTest(window, POINT{right - 1, y}) == code) {
                    --right;
                }
                found->x = (x + right) / 2;
                found->y = y + 4;
                if (HitTest(window, *found) != code) {
                    found->y = y;
                }
                return true;
            }
        }
    }
    return false;
}

void MoveDuringDrag(HWND window, POINT screen) {
    SetCursorPos(screen.x, screen.y);
    input::PostInput(window, WM_MOUSEMOVE, MK_LBUTTON, ClientParam(window, screen));
}

} // namespace

BOOL DragBorderTo(HWND topLevel, int width, int height) {
    if (!IsWindow(topLevel) || !input::InputReaches(topLevel)) {
        return FALSE;
    }
    RECT rect{};
    GetWindowRect(topLevel, &rect);
    const POINT corner{rect.right - 1, rect.bottom - 1};
    if (HitTest(topLevel, corner) != HTBOTTOMRIGHT) {
        return FALSE; // no sizing border there
    }
    const POINT target{rect.left + width - 1, rect.top + height - 1};
    const POINT halfway{(corner.x + target.x) / 2, (corner.y + target.y) / 2};
    // The whole drag is queued before the loop runs: the window manager's sizing loop takes the moves
    // and the release from the queue, as it does while a person holds the button.
    SetCursorPos(corner.x, corner.y);
    input::PostInput(topLevel, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, ScreenParam(corner));
    MoveDuringDrag(topLevel, halfway);
    MoveDuringDrag(topLevel, target);
    input::PostInput(topLevel, WM_LBUTTONUP, 0, ClientParam(topLevel, target));
    Pump();
    return TRUE;
}

BOOL ClickFrameButton(HWND topLevel, UINT sysCommand) {
    if (!IsWindow(topLevel) || !input::InputReaches(topLevel)) {
        return FALSE;
    }
    const LRESULT code = (sysCommand & 0xFFF0) == SC_CONTEXTHELP ? HTHELP : HTCLOSE;
    POINT pt{};
    if (!FindFrameButton(topLevel, code, &pt)) {
        return FALSE;
    }
    SetCursorPos(pt.x, pt.y);
    input::PostInput(topLevel, WM_NCMOUSEMOVE, static_cast<WPARAM>(code), ScreenParam(pt));
    input::PostInput(topLevel, WM_NCLBUTTONDOWN, static_cast<WPARAM>(code), ScreenParam(pt));
    // The button's loop holds the mouse until the release, which comes as a client message then.
    input::PostInput(topLevel, WM_LBUTTONUP, 0, ClientParam(topLevel, pt));
    Pump();
    return TRUE;
}

} // namespace automation
