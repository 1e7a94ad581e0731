// Window and client rectangles, coordinate mapping, and SetWindowPos with its WM_WINDOWPOSCHANGING /
// WM_WINDOWPOSCHANGED pair (DefWindowProc turns the latter into WM_MOVE and WM_SIZE).
//
// A move or size marks the window and the uncovered part of its parent for repainting (unless
// SWP_NOREDRAW); nothing is drawn here. A size or place that does not change adds SWP_NOSIZE /
// SWP_NOMOVE, so no WM_SIZE / WM_MOVE follows, as on Windows.
//
// Does NOT: support topmost windows, SWP_ASYNCWINDOWPOS, SWP_NOSENDCHANGING or deferred positioning
// (BeginDeferWindowPos).
#include "core/geometry.h"
#include "win32/internal.h"

#include <algorithm>

namespace standin {
namespace {

void InvalidateParentArea(const Window& window, const RECT& rect) {
    if (window.Parent())
        InvalidateWindow(window.Parent(), &rect, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !rect)
        return FALSE;
    *rect = WindowRectOnScreen(*window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !rect)
        return FALSE;
    RECT client = ClientRectInWindow(*window);
    *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT pt) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !pt)
        return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    pt->x += origin.x;
    pt->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT pt) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !pt)
        return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    pt->x -= origin.x;
    pt->y -= origin.y;
    return TRUE;
}

// Null on either side means the screen. Returns the horizontal shift in the low word and the vertical
// one in the high word, 0 with an error when a handle is invalid.
int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT pts, UINT count) {
    POINT fromOrigin{0, 0};
    POINT toOrigin{0, 0};
    if (from) {
        Window* window = LookupWindowOrFail(from);
        if (!window)
            return 0;
        fromOrigin = ClientOriginOnScreen(*window);
    }
    if (to) {
        Window* window = LookupWindowOrFail(to);
        if (!window)
            return 0;
        toOrigin = ClientOriginOnScreen(*window);
    }
    int dx = fromOrigin.x - toOrigin.x;
    int dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; pts && i < count; ++i) {
        pts[i].x += dx;
        pts[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

// Scroll bars are left out, as Windows documents: a caller that wants room for them adds
// SM_CXVSCROLL or SM_CYHSCROLL itself.
BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect)
        return FALSE;
    RECT insets = FrameInsets(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top + (menu ? 19 : 0);
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || window->m_isDesktop)
        return FALSE;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = window->m_rect.left;
        pos.y = window->m_rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = window->m_rect.right - window->m_rect.left;
        pos.cy = window->m_rect.bottom - window->m_rect.top;
    }
    SendMessageW(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(window = LookupWindow(hwnd)))
        return FALSE;
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);
    RECT old = window->m_rect;
    RECT moved{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    if (moved.right - moved.left == old.right - old.left && moved.bottom - moved.top == old.bottom - old.top)
        pos.flags |= SWP_NOSIZE;
    if (moved.left == old.left && moved.top == old.top)
        pos.flags |= SWP_NOMOVE;
    bool visible = (window->m_style & WS_VISIBLE) != 0;
    bool showing = (pos.flags & SWP_SHOWWINDOW) && !visible;
    bool hiding = (pos.flags & SWP_HIDEWINDOW) && visible;
    bool geometry = !(pos.flags & SWP_NOSIZE) || !(pos.flags & SWP_NOMOVE);
    bool redraw = !(pos.flags & SWP_NOREDRAW);

    if (!(pos.flags & SWP_NOZORDER))
        Windows().MoveInZOrder(*window, pos.hwndInsertAfter);
    if (geometry) {
        if (visible && redraw)
            InvalidateParentArea(*window, old);
        window->m_rect = moved;
        if (redraw)
            InvalidateWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (showing) {
        window->m_style |= WS_VISIBLE;
        InvalidateWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (hiding) {
        window->m_style &= ~WS_VISIBLE;
        InvalidateParentArea(*window, window->m_rect);
    }
    SendMessageW(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}
}
