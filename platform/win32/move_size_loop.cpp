// The nested loops DefWindowProc runs while the mouse holds part of a frame: dragging a sizing border
// or the caption, and pressing a caption button. They take input from the same queue as every other
// loop, so posted mouse messages drive them exactly as a person's mouse would.
//
// Sizing asks WM_GETMINMAXINFO on every move (the structure comes filled with the system's limits)
// and keeps the window within the answer, the dragged edge moving and the opposite edge staying.
// Headless, a loop whose queued input is used up ends as if the button were released where the
// pointer last was; Esc puts the window back where the drag started.
//
// Does NOT: draw a drag outline (windows resize live), snap to screen edges, or size with the arrow
// keys (SC_SIZE from the keyboard waits for the mouse like any other drag).
#include "win32/move_size_loop.h"

#include "core/geometry.h"
#include "win32/input_messages.h"
#include "win32/internal.h"
#include "core/metrics.h"
#include "win32/nonclient.h"

#include <algorithm>

namespace standin {
namespace {

bool IsRelease(UINT message) {
    return message == WM_LBUTTONUP || message == WM_NCLBUTTONUP;
}

bool Has(UINT edge, UINT side) {
    switch (side) {
    case WMSZ_LEFT:
        return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    case WMSZ_RIGHT:
        return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    case WMSZ_TOP:
        return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    default:
        return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    }
}

RECT SizedRect(HWND hwnd, const RECT& origin, UINT edge, int dx, int dy) {
    RECT rect = origin;
    if (Has(edge, WMSZ_LEFT))
        rect.left += dx;
    if (Has(edge, WMSZ_RIGHT))
        rect.right += dx;
    if (Has(edge, WMSZ_TOP))
        rect.top += dy;
    if (Has(edge, WMSZ_BOTTOM))
        rect.bottom += dy;
    MINMAXINFO limits = DefaultMinMaxInfo();
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    LONG width = std::clamp<LONG>(rect.right - rect.left, limits.ptMinTrackSize.x,
                                  std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
    LONG height = std::clamp<LONG>(rect.bottom - rect.top, limits.ptMinTrackSize.y,
                                   std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    if (Has(edge, WMSZ_LEFT))
        rect.left = rect.right - width;
    else
        rect.right = rect.left + width;
    if (Has(edge, WMSZ_TOP))
        rect.top = rect.bottom - height;
    else
        rect.bottom = rect.top + height;
    SendMessageW(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void PlaceAt(HWND hwnd, const RECT& rect) {
    SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MarkFrame(HWND hwnd, int pressed) {
    if (Window* window = LookupWindow(hwnd)) {
        window->m_pressedFrameButton = pressed;
        window->m_frameDirty = true;
    }
}

// Holds the mouse for a loop and lets it go however the loop ends, a handler's exception included.
class MouseHeld {
public:
    explicit MouseHeld(HWND hwnd) : m_hwnd(hwnd) { SetCapture(hwnd); }
    ~MouseHeld() {
        if (GetCapture() == m_hwnd)
            ReleaseCapture();
        MarkFrame(m_hwnd, 0);
    }
    MouseHeld(const MouseHeld&) = delete;
    MouseHeld& operator=(const MouseHeld&) = delete;

private:
    HWND m_hwnd;
};

} // namespace

MINMAXINFO DefaultMinMaxInfo() {
    MINMAXINFO info{};
    info.ptMaxSize = POINT{metrics::kMaxTrackWidth, metrics::kMaxTrackHeight};
    info.ptMaxPosition = POINT{-metrics::kSizingFrame, -metrics::kSizingFrame};
    info.ptMinTrackSize = POINT{metrics::kMinTrackWidth, metrics::kMinTrackHeight};
    info.ptMaxTrackSize = POINT{metrics::kMaxTrackWidth, metrics::kMaxTrackHeight};
    return info;
}

void RunMoveSizeLoop(HWND hwnd, WPARAM command, POINT start) {
    Window* window = LookupWindow(hwnd);
    if (!window || window->Parent())
        return;
    bool moving = (command & 0xFFF0) == SC_MOVE;
    UINT edge = static_cast<UINT>(command & 0xF);
    if (!moving && (!(window->m_style & WS_THICKFRAME) || edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT))
        return;
    RECT origin = window->m_rect;
    MouseHeld held(hwnd);
    SendMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    MSG msg;
    while (LookupWindow(hwnd) && NextMessageForNestedLoop(&msg, false)) {
        if (IsMouseMessage(msg.message)) {
            if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && !IsRelease(msg.message))
                continue;
            POINT pt = ScreenPointOfMouseMessage(msg);
            RECT rect = origin;
            if (moving)
                OffsetRect(&rect, pt.x - start.x, pt.y - start.y);
            else
                rect = SizedRect(hwnd, origin, edge, pt.x - start.x, pt.y - start.y);
            if (!LookupWindow(hwnd))
                break;
            PlaceAt(hwnd, rect);
            if (IsRelease(msg.message))
                break;
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            PlaceAt(hwnd, origin);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)
            break;
        if (IsKeyMessage(msg.message))
            continue; // the drag owns the keyboard until it ends
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchMessageW(&msg);
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (LookupWindow(hwnd))
        SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

void TrackFrameButton(HWND hwnd, LRESULT hit, POINT start) {
    if (!LookupWindow(hwnd))
        return;
    MarkFrame(hwnd, static_cast<int>(hit));
    bool over = true;
    POINT last = start;
    {
        MouseHeld held(hwnd);
        MSG msg;
        while (LookupWindow(hwnd) && NextMessageForNestedLoop(&msg, false)) {
            if (IsMouseMessage(msg.message)) {
                last = ScreenPointOfMouseMessage(msg);
                over = HitTestFrame(*LookupWindow(hwnd), last) == hit;
                MarkFrame(hwnd, over ? static_cast<int>(hit) : 0);
                if (IsRelease(msg.message))
                    break;
                continue;
            }
            if (IsKeyMessage(msg.message))
                continue;
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            DispatchMessageW(&msg);
        }
    }
    if (!LookupWindow(hwnd))
        return;
    if (over)
        SendMessageW(hwnd, WM_SYSCOMMAND, hit == HTCLOSE ? SC_CLOSE : SC_CONTEXTHELP,
                     MAKELPARAM(last.x, last.y));
}

} // namespace standin
