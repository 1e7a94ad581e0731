// Update regions and WM_PAINT. Setters only mark what needs painting; the message loop (or
// UpdateWindow / RedrawWindow with RDW_UPDATENOW) then sends WM_NCPAINT, WM_PAINT and, through
// BeginPaint, WM_ERASEBKGND. Parents are painted before their children, so children show on top.
//
// The update region is kept as the rectangles marked (up to a limit, then their bounding box); BeginPaint
// clips to them, so a parent does not paint over a child next to what it has to paint.
//
// Does NOT: validate part of a region (ValidateRect takes it away only when it covers it all), scroll
// windows, or send WM_SYNCPAINT. A parent without WS_CLIPCHILDREN passes invalidation on to the
// children under the marked area, as Windows does, so what the parent paints over them is repainted.
#include "gdi/gdi.h"
#include "core/geometry.h"
#include "win32/internal.h"

#include <algorithm>

namespace standin {
namespace {

RECT ClientSize(const Window& window) {
    RECT client = ClientRectInWindow(window);
    return RECT{0, 0, client.right - client.left, client.bottom - client.top};
}

void SendNcPaint(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return;
    window->m_frameDirty = false;
    // Sent for a window without a frame too, as Windows does: a program may draw one of its own.
    SendMessageW(hwnd, WM_NCPAINT, 1, 0);
}

// Visible up to `root`, whose own visibility is not asked.
bool IsVisibleWithin(const Window& window, HWND root) {
    for (const Window* w = &window; w && w->m_handle != root; w = LookupWindow(w->Parent()))
        if (!(w->m_style & WS_VISIBLE))
            return false;
    return true;
}

// Paints one window now, as the loop would with its WM_PAINT.
void PaintOne(HWND hwnd, HWND root, bool evenIfHidden) {
    Window* window = LookupWindow(hwnd);
    if (!window || !(evenIfHidden ? IsVisibleWithin(*window, root) : IsReallyVisible(*window)))
        return;
    if (window->m_frameDirty && !window->m_dirty)
        SendNcPaint(hwnd);
    window = LookupWindow(hwnd);
    if (!window || !window->m_dirty)
        return;
    SendMessageW(hwnd, WM_PAINT, 0, 0);
    if ((window = LookupWindow(hwnd)))
        window->m_dirty = window->m_erase = window->m_frameDirty = false;
}

// Past this many rectangles the region is its bounding box: a list invalidated row by row stays cheap.
constexpr size_t kMostUpdateParts = 16;

void AddToUpdateRegion(Window& window, const RECT& area) {
    if (!window.m_dirty) {
        window.m_dirty = true;
        window.m_dirtyRect = area;
        window.m_dirtyParts.assign(1, area);
        return;
    }
    UnionRect(&window.m_dirtyRect, &window.m_dirtyRect, &area);
    for (const RECT& part : window.m_dirtyParts)
        if (RECT common; IntersectRect(&common, &part, &area) && EqualRect(&common, &area))
            return;
    if (window.m_dirtyParts.size() < kMostUpdateParts)
        window.m_dirtyParts.push_back(area);
    else
        window.m_dirtyParts.assign(1, window.m_dirtyRect);
}

} // namespace

void InvalidateWindow(HWND hwnd, const RECT* clientRect, UINT flags) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return;
    RECT size = ClientSize(*window);
    RECT area = size;
    if (clientRect)
        IntersectRect(&area, clientRect, &size);
    if (flags & RDW_INVALIDATE) {
        if (!IsRectEmpty(&area)) {
            AddToUpdateRegion(*window, area);
            if (flags & RDW_ERASE)
                window->m_erase = true;
        }
        if (flags & RDW_FRAME)
            window->m_frameDirty = true;
    }
    if (flags & RDW_VALIDATE) {
        RECT covered;
        if (!clientRect || (IntersectRect(&covered, &area, &window->m_dirtyRect) &&
                            EqualRect(&covered, &window->m_dirtyRect))) {
            window->m_dirty = false;
            window->m_erase = false;
        }
        if (flags & RDW_NOERASE)
            window->m_erase = false;
        if (flags & RDW_NOFRAME)
            window->m_frameDirty = false;
    }
    bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(window->m_style & WS_CLIPCHILDREN));
    if (!children || IsRectEmpty(&area))
        return;
    // Invalidating sends no message and changes no tree, so the children are walked in place: a
    // list repainted for every row it gets would otherwise copy its children each time.
    for (HWND child : window->Children()) {
        Window* c = LookupWindow(child);
        if (!c)
            continue;
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &c->m_rect))
            continue;
        RECT inClient = ClientRectInWindow(*c);
        OffsetRect(&overlap, -(c->m_rect.left + inClient.left), -(c->m_rect.top + inClient.top));
        // What reaches a child from its parent is part of its whole window, frame included.
        UINT childFlags = flags & ~(RDW_FRAME | RDW_NOFRAME);
        if (flags & RDW_INVALIDATE)
            childFlags |= RDW_FRAME;
        InvalidateWindow(child, &overlap, childFlags);
    }
}

HWND NextWindowToPaint(HWND filter) {
    for (HWND top : Windows().TopLevelWindows()) {
        for (HWND hwnd : SubtreeOf(top)) {
            Window* window = LookupWindow(hwnd);
            if (!window || !window->m_dirty || !IsReallyVisible(*window))
                continue;
            if (!filter || hwnd == filter || IsDescendant(filter, hwnd))
                return hwnd;
        }
    }
    return nullptr;
}

void PaintPendingFrames() {
    std::vector<HWND> pending;
    for (HWND top : Windows().TopLevelWindows())
        for (HWND hwnd : SubtreeOf(top))
            if (Window* w = LookupWindow(hwnd); w && w->m_frameDirty && !w->m_dirty && IsReallyVisible(*w))
                pending.push_back(hwnd);
    for (HWND hwnd : pending)
        SendNcPaint(hwnd);
}

void UpdateSubtreeNow(HWND hwnd, bool evenIfHidden) {
    HWND root = RootOf(hwnd);
    for (HWND h : SubtreeOf(hwnd))
        PaintOne(h, root, evenIfHidden);
}

} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        std::vector<HWND> tops = Windows().TopLevelWindows();
        for (HWND top : tops)
            InvalidateWindow(top, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (!LookupWindowOrFail(hwnd))
        return FALSE;
    InvalidateWindow(hwnd, rect, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
    if (!LookupWindowOrFail(hwnd))
        return FALSE;
    InvalidateWindow(hwnd, rect, RDW_VALIDATE | RDW_NOCHILDREN);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    if (!LookupWindowOrFail(hwnd))
        return FALSE;
    UpdateSubtreeNow(hwnd);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags) {
    std::vector<HWND> targets;
    if (!hwnd || hwnd == DesktopWindow())
        targets = Windows().TopLevelWindows();
    else if (LookupWindowOrFail(hwnd))
        targets.push_back(hwnd);
    else
        return FALSE;
    for (HWND target : targets) {
        InvalidateWindow(target, hwnd ? rect : nullptr, flags);
        if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
            UpdateSubtreeNow(target);
    }
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return FALSE;
    if (rect)
        *rect = window->m_dirty ? window->m_dirtyRect : RECT{0, 0, 0, 0};
    return window->m_dirty;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !ps)
        return nullptr;
    if (window->m_frameDirty) {
        SendNcPaint(hwnd);
        if (!(window = LookupWindow(hwnd)))
            return nullptr;
    }
    RECT paint = window->m_dirty ? window->m_dirtyRect : RECT{0, 0, 0, 0};
    std::vector<RECT> parts;
    if (window->m_dirty)
        parts.swap(window->m_dirtyParts);
    bool erase = window->m_erase;
    window->m_dirty = false;
    window->m_erase = false;
    HDC dc = OpenWindowDc(hwnd, DcArea::Client, &parts);
    *ps = PAINTSTRUCT{};
    ps->hdc = dc;
    ps->rcPaint = paint;
    if (dc && erase)
        ps->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* ps) {
    if (ps && ps->hdc)
        CloseDc(ps->hdc);
    return TRUE;
}
}
