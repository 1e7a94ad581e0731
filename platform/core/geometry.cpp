// Frame thickness and coordinate conversions, from the fixed metrics and the styles alone.
//
// Does NOT: send WM_NCCALCSIZE (the non-client area always follows the styles), or know menu bars
// (a window's menu is kept but never takes room).
#include "core/geometry.h"

#include "core/metrics.h"

namespace standin {

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int border = 0;
    if (style & WS_THICKFRAME)
        border = metrics::kSizingFrame;
    else if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_CAPTION) == WS_DLGFRAME ||
             (exStyle & WS_EX_DLGMODALFRAME))
        border = metrics::kDialogFrame;
    else if (style & WS_BORDER)
        border = metrics::kBorder;
    RECT insets{border, border, border, border};
    if ((style & WS_CAPTION) == WS_CAPTION)
        insets.top += metrics::kCaption;
    int edge = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        edge += metrics::kClientEdge;
    if (exStyle & WS_EX_STATICEDGE)
        edge += metrics::kBorder;
    insets.left += edge;
    insets.top += edge;
    insets.right += edge;
    insets.bottom += edge;
    if (style & WS_VSCROLL)
        insets.right += metrics::kScrollBar;
    if (style & WS_HSCROLL)
        insets.bottom += metrics::kScrollBar;
    return insets;
}

RECT ClientRectInWindow(const Window& window) {
    LONG width = window.m_rect.right - window.m_rect.left;
    LONG height = window.m_rect.bottom - window.m_rect.top;
    if (window.m_isDesktop)
        return RECT{0, 0, width, height};
    RECT insets = FrameInsets(window.m_style, window.m_exStyle);
    RECT client{insets.left, insets.top, width - insets.right, height - insets.bottom};
    // A window smaller than its frame has an empty client area at the frame's inner corner.
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
    return client;
}

POINT ClientOriginOnScreen(const Window& window) {
    RECT client = ClientRectInWindow(window);
    RECT screen = WindowRectOnScreen(window);
    return POINT{screen.left + client.left, screen.top + client.top};
}

RECT WindowRectOnScreen(const Window& window) {
    RECT rect = window.m_rect;
    if (Window* parent = LookupWindow(window.Parent())) {
        POINT origin = ClientOriginOnScreen(*parent);
        rect.left += origin.x;
        rect.right += origin.x;
        rect.top += origin.y;
        rect.bottom += origin.y;
    }
    return rect;
}

POINT WindowOriginInRoot(const Window& window) {
    POINT origin{0, 0};
    const Window* w = &window;
    while (Window* parent = LookupWindow(w->Parent())) {
        RECT client = ClientRectInWindow(*parent);
        origin.x += w->m_rect.left + client.left;
        origin.y += w->m_rect.top + client.top;
        w = parent;
    }
    return origin;
}

POINT ClientOriginInRoot(const Window& window) {
    POINT origin = WindowOriginInRoot(window);
    RECT client = ClientRectInWindow(window);
    return POINT{origin.x + client.left, origin.y + client.top};
}

RECT ClientInRoot(const Window& window) {
    const POINT origin = ClientOriginInRoot(window);
    const RECT client = ClientRectInWindow(window);
    return RECT{origin.x, origin.y, origin.x + client.right - client.left,
                origin.y + client.bottom - client.top};
}

} // namespace standin
