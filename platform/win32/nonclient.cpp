// Frame layout, hit-testing and drawing of the non-client area, from the fixed metrics.
//
// Does NOT: draw menu bars, minimise/maximise buttons' pressed states, or tool-window (small) captions;
// scroll bars in the frame are drawn as empty tracks with their arrow buttons.
#include "win32/nonclient.h"

#include "gdi/gdi.h"
#include "core/geometry.h"
#include "core/metrics.h"

namespace standin {
namespace {

int BorderOf(const Window& window) {
    DWORD style = window.m_style;
    if (style & WS_THICKFRAME)
        return metrics::kSizingFrame;
    if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_CAPTION) == WS_DLGFRAME ||
        (window.m_exStyle & WS_EX_DLGMODALFRAME))
        return metrics::kDialogFrame;
    return (style & WS_BORDER) ? metrics::kBorder : 0;
}

HICON SmallIconOf(const Window& window) {
    if (window.m_iconSmall)
        return window.m_iconSmall;
    if (window.m_iconBig)
        return window.m_iconBig;
    return window.m_class ? window.m_class->m_icon : nullptr;
}

LRESULT SizingEdgeAt(POINT p, LONG width, LONG height) {
    int b = metrics::kSizingFrame;
    int corner = metrics::kCaptionBar + metrics::kSizingFrame;
    bool left = p.x < b, right = p.x >= width - b, top = p.y < b, bottom = p.y >= height - b;
    if (left)
        return p.y < corner ? HTTOPLEFT : p.y >= height - corner ? HTBOTTOMLEFT : HTLEFT;
    if (right)
        return p.y < corner ? HTTOPRIGHT : p.y >= height - corner ? HTBOTTOMRIGHT : HTRIGHT;
    if (top)
        return p.x < corner ? HTTOPLEFT : p.x >= width - corner ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return p.x < corner ? HTBOTTOMLEFT : p.x >= width - corner ? HTBOTTOMRIGHT : HTBOTTOM;
    return HTNOWHERE;
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(color) << 8),
                     static_cast<COLOR16>(GetGValue(color) << 8),
                     static_cast<COLOR16>(GetBValue(color) << 8),
                     0};
}

void PaintCaption(HDC dc, const Window& window, const FrameLayout& frame) {
    bool active = window.m_captionActive;
    COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    const RECT& bar = frame.captionBar;
    TRIVERTEX ends[] = {Vertex(bar.left, bar.top, from), Vertex(bar.right, bar.bottom, to)};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, ends, 2, &span, 1, GRADIENT_FILL_RECT_H);

    if (frame.hasIcon)
        DrawIconEx(dc, frame.icon.left, frame.icon.top, SmallIconOf(window), metrics::kSmallIcon,
                   metrics::kSmallIcon, 0, nullptr, DI_NORMAL);
    HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT title = frame.title;
    DrawTextW(dc, window.m_text.c_str(), static_cast<int>(window.m_text.size()), &title,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (frame.hasHelp) {
        RECT help = frame.helpButton;
        DrawFrameControl(dc, &help, DFC_CAPTION,
                         DFCS_CAPTIONHELP | (window.m_pressedFrameButton == HTHELP ? DFCS_PUSHED : 0));
    }
    if (frame.hasClose) {
        RECT close = frame.closeButton;
        DrawFrameControl(dc, &close, DFC_CAPTION,
                         DFCS_CAPTIONCLOSE | (window.m_pressedFrameButton == HTCLOSE ? DFCS_PUSHED : 0));
    }
}

void PaintScrollBars(HDC dc, const Window& window) {
    RECT client = ClientRectInWindow(window);
    int bar = metrics::kScrollBar;
    HBRUSH track = GetSysColorBrush(COLOR_SCROLLBAR);
    if (window.m_style & WS_VSCROLL) {
        RECT area{client.right, client.top, client.right + bar, client.bottom};
        FillRect(dc, &area, track);
        RECT up{area.left, area.top, area.right, area.top + bar};
        RECT down{area.left, area.bottom - bar, area.right, area.bottom};
        DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP);
        DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN);
    }
    if (window.m_style & WS_HSCROLL) {
        RECT area{client.left, client.bottom, client.right, client.bottom + bar};
        FillRect(dc, &area, track);
        RECT left{area.left, area.top, area.left + bar, area.bottom};
        RECT right{area.right - bar, area.top, area.right, area.bottom};
        DrawFrameControl(dc, &left, DFC_SCROLL, DFCS_SCROLLLEFT);
        DrawFrameControl(dc, &right, DFC_SCROLL, DFCS_SCROLLRIGHT);
    }
    if ((window.m_style & WS_VSCROLL) && (window.m_style & WS_HSCROLL)) {
        RECT corner{client.right, client.bottom, client.right + bar, client.bottom + bar};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_3DFACE));
    }
}

} // namespace

FrameLayout LayoutFrame(const Window& window) {
    FrameLayout frame;
    LONG width = window.m_rect.right - window.m_rect.left;
    frame.border = BorderOf(window);
    frame.hasCaption = (window.m_style & WS_CAPTION) == WS_CAPTION;
    if (!frame.hasCaption)
        return frame;
    int b = frame.border;
    frame.captionBar = RECT{b, b, width - b, b + metrics::kCaptionBar};
    const RECT& bar = frame.captionBar;
    int buttonTop = bar.top + (metrics::kCaptionBar - metrics::kCaptionButtonHeight) / 2;
    LONG leftmostButton = bar.right;
    if (window.m_style & WS_SYSMENU) {
        frame.hasClose = true;
        frame.closeButton = RECT{bar.right - 2 - metrics::kCaptionButtonWidth, buttonTop, bar.right - 2,
                                 buttonTop + metrics::kCaptionButtonHeight};
        leftmostButton = frame.closeButton.left;
        frame.hasHelp =
            (window.m_exStyle & WS_EX_CONTEXTHELP) && !(window.m_style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        if (frame.hasHelp) {
            frame.helpButton = RECT{frame.closeButton.left - 2 - metrics::kCaptionButtonWidth, buttonTop,
                                    frame.closeButton.left - 2, buttonTop + metrics::kCaptionButtonHeight};
            leftmostButton = frame.helpButton.left;
        }
        frame.hasIcon = SmallIconOf(window) && !(window.m_exStyle & WS_EX_DLGMODALFRAME);
        if (frame.hasIcon)
            frame.icon = RECT{bar.left + 2, bar.top + 1, bar.left + 2 + metrics::kSmallIcon,
                              bar.top + 1 + metrics::kSmallIcon};
    }
    frame.title =
        RECT{frame.hasIcon ? frame.icon.right + 2 : bar.left + 2, bar.top, leftmostButton - 2, bar.bottom};
    return frame;
}

LRESULT HitTestFrame(const Window& window, POINT screen) {
    RECT outer = WindowRectOnScreen(window);
    if (!PtInRect(&outer, screen))
        return HTNOWHERE;
    POINT p{screen.x - outer.left, screen.y - outer.top};
    RECT client = ClientRectInWindow(window);
    if (PtInRect(&client, p))
        return HTCLIENT;
    LONG width = outer.right - outer.left;
    LONG height = outer.bottom - outer.top;
    if (window.m_style & WS_THICKFRAME)
        if (LRESULT edge = SizingEdgeAt(p, width, height); edge != HTNOWHERE)
            return edge;
    FrameLayout frame = LayoutFrame(window);
    if (frame.hasCaption && PtInRect(&frame.captionBar, p)) {
        if (frame.hasClose && PtInRect(&frame.closeButton, p))
            return HTCLOSE;
        if (frame.hasHelp && PtInRect(&frame.helpButton, p))
            return HTHELP;
        if (frame.hasIcon && PtInRect(&frame.icon, p))
            return HTSYSMENU;
        return HTCAPTION;
    }
    if ((window.m_style & WS_VSCROLL) && p.x >= client.right && p.y >= client.top && p.y < client.bottom)
        return HTVSCROLL;
    if ((window.m_style & WS_HSCROLL) && p.y >= client.bottom && p.x >= client.left && p.x < client.right)
        return HTHSCROLL;
    return HTBORDER;
}

void PaintFrame(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return;
    HDC dc = OpenWindowDc(hwnd, DcArea::NonClient, nullptr);
    if (!dc)
        return;
    LONG width = window->m_rect.right - window->m_rect.left;
    LONG height = window->m_rect.bottom - window->m_rect.top;
    RECT rest{0, 0, width, height};
    FrameLayout frame = LayoutFrame(*window);
    if (frame.border >= metrics::kDialogFrame) {
        FillRect(dc, &rest,
                 GetSysColorBrush(window->m_captionActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER));
        DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT);
        InflateRect(&rest, -frame.border, -frame.border);
    } else if (frame.border == metrics::kBorder) {
        FrameRect(dc, &rest, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rest, -1, -1);
    }
    if (frame.hasCaption) {
        PaintCaption(dc, *window, frame);
        rest.top += metrics::kCaption;
    }
    if (window->m_exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &rest, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (window->m_exStyle & WS_EX_STATICEDGE)
        DrawEdge(dc, &rest, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    PaintScrollBars(dc, *window);
    CloseDc(dc);
}

} // namespace standin
