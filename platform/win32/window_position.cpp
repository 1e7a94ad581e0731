// Window and client rectangles, coordinate mapping, and SetWindowPos with its WM_WINDOWPOSCHANGING /
// WM_WINDOWPOSCHANGED pair (DefWindowProc turns the latter into WM_MOVE and WM_SIZE).
//
// A move that keeps the size moves the window's pixels with it (unless SWP_NOCOPYBITS); a size change
// marks the whole window. Either marks the uncovered part of the parent for repainting (unless
// SWP_NOREDRAW); nothing is drawn here. A size or place that does not change adds SWP_NOSIZE /
// SWP_NOMOVE, so no WM_SIZE / WM_MOVE follows, as on Windows.
//
// Does NOT: support topmost windows, SWP_ASYNCWINDOWPOS, SWP_NOSENDCHANGING or deferred positioning
// (BeginDeferWindowPos).
#include "core/geometry.h"
#include "gdi/gdi.h"
#include "win32/internal.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace standin {
namespace {

void InvalidateParentArea(const Window& window, const RECT& rect) {
    if (window.Parent())
        InvalidateWindow(window.Parent(), &rect, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// What of `area` lies outside `cover`: up to four bands.
std::vector<RECT> Outside(const RECT& area, const RECT& cover) {
    RECT common;
    if (!IntersectRect(&common, &area, &cover))
        return IsRectEmpty(&area) ? std::vector<RECT>{} : std::vector<RECT>{area};
    std::vector<RECT> bands = {RECT{area.left, area.top, area.right, common.top},
                               RECT{area.left, common.bottom, area.right, area.bottom},
                               RECT{area.left, common.top, common.left, common.bottom},
                               RECT{common.right, common.top, area.right, common.bottom}};
    std::erase_if(bands, [](const RECT& band) { return IsRectEmpty(&band) != FALSE; });
    return bands;
}

// Where the client area of `window` can be seen in its top-level window's picture, in its own client
// coordinates: inside every ancestor's client area.
RECT SeenClientArea(const Window& window) {
    RECT seen = ClientInRoot(window);
    for (const Window* a = LookupWindow(window.Parent()); a; a = LookupWindow(a->Parent())) {
        const RECT client = ClientInRoot(*a);
        IntersectRect(&seen, &seen, &client);
    }
    const POINT origin = ClientOriginInRoot(window);
    OffsetRect(&seen, -origin.x, -origin.y);
    return seen;
}

// The rectangles of a window's update region, in its parent's client coordinates.
std::vector<RECT> UpdatePartsInParent(const Window& window) {
    std::vector<RECT> parts = window.m_dirtyParts;
    const RECT client = ClientRectInWindow(window);
    for (RECT& part : parts)
        OffsetRect(&part, window.m_rect.left + client.left, window.m_rect.top + client.top);
    return parts;
}

void InvalidateInParentCoordinates(HWND hwnd, const Window& window, RECT area) {
    const RECT client = ClientRectInWindow(window);
    OffsetRect(&area, -(window.m_rect.left + client.left), -(window.m_rect.top + client.top));
    InvalidateWindow(hwnd, &area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A visible child moved without a change of size: its pixels (its children's with them) go to the
// new place, as SetWindowPos copies them on Windows. It paints only what of the new place could not
// be seen at the old one, and its parent what it uncovered. Where the parent (without WS_CLIPCHILDREN)
// or a sibling was already to paint over the new place, the child paints there too, after them.
void MoveChildWithItsPixels(HWND hwnd, Window& window, const RECT& moved) {
    Window* parent = LookupWindow(window.Parent());
    const RECT old = window.m_rect;
    window.m_rect = moved;
    if (!parent)
        return;
    const POINT by{moved.left - old.left, moved.top - old.top};
    const RECT seen = SeenClientArea(*parent);
    RECT kept{}; // in the parent's client coordinates, at the new place
    if (IntersectRect(&kept, &old, &seen)) {
        OffsetRect(&kept, by.x, by.y);
        IntersectRect(&kept, &kept, &seen);
    }
    if (!IsRectEmpty(&kept)) {
        const POINT origin = ClientOriginInRoot(*parent);
        RECT from = kept;
        OffsetRect(&from, origin.x - by.x, origin.y - by.y);
        MoveRootPixels(RootOf(hwnd), from, by);
    }
    RECT shown{};
    IntersectRect(&shown, &moved, &seen);
    for (const RECT& fresh : Outside(shown, kept))
        InvalidateInParentCoordinates(hwnd, window, fresh);
    for (const RECT& uncovered : Outside(old, moved))
        InvalidateParentArea(window, uncovered);

    std::vector<RECT> paintedOver;
    if (parent->m_dirty && !(parent->m_style & WS_CLIPCHILDREN))
        paintedOver = parent->m_dirtyParts;
    for (HWND sibling : parent->Children())
        if (const Window* s = LookupWindow(sibling);
            s && sibling != hwnd && s->m_dirty && IsReallyVisible(*s))
            std::ranges::copy(UpdatePartsInParent(*s), std::back_inserter(paintedOver));
    for (const RECT& area : paintedOver)
        if (RECT over; IntersectRect(&over, &area, &moved))
            InvalidateInParentCoordinates(hwnd, window, over);
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
    // A move that keeps the size keeps the pixels too (a top-level window's picture is its own and
    // goes with it whole). A size change repaints the whole window, as for a class with CS_HREDRAW |
    // CS_VREDRAW, where Windows keeps the valid part of a window of another class.
    const bool keepsPixels = redraw && visible && (pos.flags & SWP_NOSIZE) && !(pos.flags & SWP_NOCOPYBITS) &&
                             IsReallyVisible(*window);
    if (geometry && keepsPixels) {
        if (window->Parent())
            MoveChildWithItsPixels(hwnd, *window, moved);
        else
            window->m_rect = moved;
    } else if (geometry) {
        if (visible && redraw)
            for (const RECT& uncovered : Outside(old, moved))
                InvalidateParentArea(*window, uncovered);
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
