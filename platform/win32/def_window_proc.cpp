// DefWindowProcW: Windows' default handling where the component and the controls rely on it.
//   - WM_NCCREATE keeps the window's title; WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH use it.
//   - WM_SETTEXT (of a window with a caption), WM_SETICON and WM_NCACTIVATE (unless its lParam is -1)
//     draw the frame at once.
//   - WM_CLOSE destroys the window; WM_SYSCOMMAND decides on the command masked with 0xFFF0: SC_CLOSE
//     sends WM_CLOSE, SC_SIZE / SC_MOVE run the drag loop, SC_CONTEXTHELP does nothing more.
//   - WM_NCHITTEST answers from the frame; WM_NCLBUTTONDOWN starts a border drag (SC_SIZE + edge), a
//     caption drag (SC_MOVE) or a caption button press.
//   - WM_WINDOWPOSCHANGING keeps a sizable or overlapped top-level window within WM_GETMINMAXINFO;
//     WM_WINDOWPOSCHANGED sends WM_MOVE and WM_SIZE.
//   - WM_PAINT validates, WM_ERASEBKGND fills with the class brush, WM_NCPAINT draws the frame.
//   - WM_CTLCOLOR* give the system colours and brushes; WM_RBUTTONUP turns into WM_CONTEXTMENU, which
//     a child passes to its parent, as it does WM_MOUSEWHEEL and WM_HELP.
//
// Does NOT: open the system menu (SC_KEYMENU, SC_MOUSEMENU), minimise or maximise, enter the
// context-help mode, handle WM_SETCURSOR beyond "not handled", or print (WM_PRINT).
#include "core/geometry.h"
#include "win32/internal.h"
#include "win32/move_size_loop.h"
#include "win32/nonclient.h"

#include <windowsx.h>

#include <algorithm>

namespace standin {
namespace {

LRESULT CopyText(const std::wstring& text, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<LPWSTR>(buffer);
    if (!out || size == 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size) - 1);
    text.copy(out, n);
    out[n] = L'\0';
    return static_cast<LRESULT>(n);
}

LRESULT ControlColor(UINT msg, WPARAM wParam) {
    auto dc = reinterpret_cast<HDC>(wParam);
    bool edit = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    if (msg == WM_CTLCOLORSCROLLBAR) {
        SetBkColor(dc, GetSysColor(COLOR_3DHILIGHT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(edit ? COLOR_WINDOW : COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(edit ? COLOR_WINDOW : COLOR_3DFACE));
}

// A sizable or overlapped top-level window is never made smaller or larger than WM_GETMINMAXINFO says.
void KeepWithinLimits(HWND hwnd, Window& window, WINDOWPOS* pos) {
    if (!pos || (pos->flags & SWP_NOSIZE) || window.Parent())
        return;
    bool overlapped = !(window.m_style & (WS_POPUP | WS_CHILD));
    if (!(window.m_style & WS_THICKFRAME) && !overlapped)
        return;
    MINMAXINFO limits = DefaultMinMaxInfo();
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    pos->cx = std::clamp(
        pos->cx, static_cast<int>(limits.ptMinTrackSize.x),
        std::max(static_cast<int>(limits.ptMinTrackSize.x), static_cast<int>(limits.ptMaxTrackSize.x)));
    pos->cy = std::clamp(
        pos->cy, static_cast<int>(limits.ptMinTrackSize.y),
        std::max(static_cast<int>(limits.ptMinTrackSize.y), static_cast<int>(limits.ptMaxTrackSize.y)));
}

void WindowPosChanged(HWND hwnd, const WINDOWPOS* pos) {
    if (!pos)
        return;
    if (!(pos->flags & SWP_NOMOVE))
        if (Window* window = LookupWindow(hwnd)) {
            RECT client = ClientRectInWindow(*window);
            SendMessageW(hwnd, WM_MOVE, 0,
                         MAKELPARAM(window->m_rect.left + client.left, window->m_rect.top + client.top));
        }
    if (!(pos->flags & SWP_NOSIZE))
        if (Window* window = LookupWindow(hwnd)) {
            RECT client = ClientRectInWindow(*window);
            SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED,
                         MAKELPARAM(client.right - client.left, client.bottom - client.top));
        }
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == 0)
        GetCursorPos(&pt);
    switch (wParam & 0xFFF0) {
    case SC_CLOSE:
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_SIZE:
    case SC_MOVE:
        RunMoveSizeLoop(hwnd, wParam, pt);
        break;
    default: // SC_CONTEXTHELP, SC_KEYMENU, SC_MINIMIZE, ...: nothing more here
        break;
    }
    return 0;
}

LRESULT NcLButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), lParam);
    else if (hit == HTCAPTION)
        SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOVE + 2, lParam); // SC_MOVE | HTCAPTION, as Windows sends it
    else if (hit == HTCLOSE || hit == HTHELP)
        TrackFrameButton(hwnd, static_cast<LRESULT>(hit), pt);
    return 0;
}

// A new title, icon or activation state is drawn within its message, not left to the loop: no
// WM_NCPAINT follows. A window out of sight has its frame drawn when it is shown.
void DrawFrameNow(HWND hwnd, const Window& window) {
    if (IsReallyVisible(window))
        PaintFrame(hwnd);
}

HWND ParentOfChild(const Window& window) {
    return (window.m_style & WS_CHILD) ? window.Parent() : nullptr;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            window->m_text = cs->lpszName;
        return TRUE;
    }
    case WM_SETTEXT: {
        auto text = reinterpret_cast<LPCWSTR>(lParam);
        window->m_text = text ? text : L"";
        if ((window->m_style & WS_CAPTION) == WS_CAPTION)
            DrawFrameNow(hwnd, *window);
        return TRUE;
    }
    case WM_GETTEXT:
        return CopyText(window->m_text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->m_text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = window->m_class ? window->m_class->m_background : nullptr;
        if (!brush)
            return 0;
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        return 1;
    }
    case WM_NCPAINT:
        PaintFrame(hwnd);
        return 0;
    case WM_NCACTIVATE:
        window->m_captionActive = wParam != 0;
        if (lParam != -1)
            DrawFrameNow(hwnd, *window);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(hwnd);
        return 0;
    case WM_NCHITTEST:
        return HitTestFrame(*window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
        return NcLButtonDown(hwnd, wParam, lParam);
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4) // Alt+F4 closes the top-level window
            SendMessageW(RootOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_WINDOWPOSCHANGING:
        KeepWithinLimits(hwnd, *window, reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        WindowPosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColor(msg, wParam);
    case WM_RBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_HELP:
        if (HWND parent = ParentOfChild(*window))
            return SendMessageW(parent, msg, wParam, lParam);
        return 0;
    case WM_MOUSEACTIVATE:
        if (HWND parent = ParentOfChild(*window))
            if (LRESULT answer = SendMessageW(parent, msg, wParam, lParam))
                return answer;
        return MA_ACTIVATE;
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->m_iconBig : window->m_iconSmall);
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? window->m_iconBig : window->m_iconSmall;
        HICON old = slot;
        slot = reinterpret_cast<HICON>(lParam);
        DrawFrameNow(hwnd, *window);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    default:
        return 0;
    }
}
