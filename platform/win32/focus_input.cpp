// Focus, activation, mouse capture, the cursor position and the keyboard state.
//
// Activation moves between top-level windows with WM_NCACTIVATE and WM_ACTIVATE; focus moves with
// WM_KILLFOCUS then WM_SETFOCUS. Key and button states follow a person's input messages as loops take
// them from the queue (PostInputMessage), so GetKeyState(VK_SHIFT) is right while a shifted click is
// handled; messages posted with PostMessageW leave them alone, as on Windows, and SetKeyboardState sets
// them outright.
//
// Does NOT: know other processes' windows (the foreground window is the active one), send
// WM_ACTIVATEAPP or WM_MOUSEACTIVATE, keep toggle states other than the low bit of GetKeyState,
// distinguish left and right modifier keys, or animate a cursor.
#include "core/geometry.h"
#include "win32/input_messages.h"
#include "win32/internal.h"
#include "core/metrics.h"
#include "core/ui_thread.h"

#include <algorithm>
#include <array>

namespace standin {
namespace {

struct InputState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    POINT cursor{metrics::kScreenWidth / 2, metrics::kScreenHeight / 2};
    std::array<BYTE, 256> keys{}; // 0x80 down, 0x01 toggled
    HCURSOR cursorShape = nullptr;
};

InputState& In() {
    static InputState state;
    return state;
}

void SetKey(UINT vk, bool down) {
    BYTE& key = In().keys[vk & 0xFF];
    if (down && !(key & 0x80))
        key ^= 0x01;
    key = static_cast<BYTE>(down ? (key | 0x80) : (key & ~0x80));
}

bool IsTopLevel(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window && !window->Parent() && !window->m_isDesktop;
}

// Windows' order: the old window hears it is deactivated (a dialog remembers its focused control
// then), the new one that it is activated (DefWindowProc gives it the focus); focus that is still in
// the old window afterwards is taken away.
void ChangeActive(HWND top) {
    HWND old = In().active;
    if (old == top)
        return;
    In().active = top;
    if (LookupWindow(old)) {
        SendMessageW(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(top));
    }
    if (Window* window = top && In().active == top ? LookupWindow(top) : nullptr) {
        // The newly active window goes to the top of the z-order.
        Windows().MoveInZOrder(*window, HWND_TOP);
        SendMessageW(top, WM_NCACTIVATE, TRUE, 0);
        SendMessageW(top, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(old));
    }
    if (old && In().focus && RootOf(In().focus) == old && In().active != old) {
        HWND lost = In().focus;
        In().focus = nullptr;
        SendMessageW(lost, WM_KILLFOCUS, 0, 0);
    }
}

} // namespace

void ForgetWindowInput(HWND hwnd) {
    if (In().focus == hwnd)
        In().focus = nullptr;
    if (In().active == hwnd)
        In().active = nullptr;
    if (In().capture == hwnd)
        In().capture = nullptr;
}

// The window is hidden or going: the owner takes the activation if it can, else the next visible
// enabled top-level window, else nobody.
void ActivateOtherWindow(HWND leaving) {
    if (In().active != leaving)
        return;
    Window* window = LookupWindow(leaving);
    HWND next = nullptr;
    if (window && window->m_owner && IsWindowVisible(window->m_owner) && IsWindowEnabled(window->m_owner))
        next = window->m_owner;
    for (HWND top : Windows().TopLevelWindows()) {
        if (next)
            break;
        Window* w = LookupWindow(top);
        if (top != leaving && w && !w->m_destroying && (w->m_style & WS_VISIBLE) &&
            !(w->m_style & WS_DISABLED))
            next = top;
    }
    ChangeActive(next);
}

void NoteRetrievedInput(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        SetKey(static_cast<UINT>(msg.wParam), true);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        SetKey(static_cast<UINT>(msg.wParam), false);
        break;
    default:
        break;
    }
    const bool clientMouse = IsClientMouseMessage(msg.message) && msg.message != WM_MOUSEWHEEL;
    if (!clientMouse && !IsNonClientMouseMessage(msg.message))
        return;
    In().cursor = ScreenPointOfMouseMessage(msg);
    if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK)
        SetKey(VK_LBUTTON, true);
    else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP)
        SetKey(VK_LBUTTON, false);
    else if (msg.message == WM_RBUTTONDOWN || msg.message == WM_RBUTTONDBLCLK)
        SetKey(VK_RBUTTON, true);
    else if (msg.message == WM_RBUTTONUP)
        SetKey(VK_RBUTTON, false);
    if (clientMouse) {
        // The modifier bits of a client mouse message tell the key state at the time of the click.
        SetKey(VK_SHIFT, (msg.wParam & MK_SHIFT) != 0);
        SetKey(VK_CONTROL, (msg.wParam & MK_CONTROL) != 0);
    }
}

void SetCursorPosition(POINT screen) {
    In().cursor = screen;
}

} // namespace standin

using namespace standin;

extern "C" {

HWND WINAPI SetActiveWindow(HWND hwnd) {
    if (!OnUiThread())
        return nullptr;
    HWND old = In().active;
    if (hwnd && !LookupWindowOrFail(hwnd))
        return nullptr;
    HWND top = hwnd ? RootOf(hwnd) : nullptr;
    if (top && !IsTopLevel(top))
        return nullptr;
    ChangeActive(top);
    return old;
}

HWND WINAPI GetActiveWindow(void) {
    return OnUiThread() && LookupWindow(In().active) ? In().active : nullptr;
}
BOOL WINAPI SetForegroundWindow(HWND hwnd) {
    if (!LookupWindowOrFail(hwnd))
        return FALSE;
    SetActiveWindow(hwnd);
    return TRUE;
}
HWND WINAPI GetForegroundWindow(void) {
    return GetActiveWindow();
}

HWND WINAPI SetFocus(HWND hwnd) {
    if (!OnUiThread())
        return nullptr;
    HWND old = LookupWindow(In().focus) ? In().focus : nullptr;
    if (!hwnd) {
        In().focus = nullptr;
        if (old)
            SendMessageW(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || window->m_isDesktop)
        return nullptr;
    HWND top = RootOf(hwnd);
    if (In().active != top) {
        ChangeActive(top);
        // Activation may have put the focus somewhere already (a dialog restores its control).
        old = LookupWindow(In().focus) ? In().focus : nullptr;
        if (!LookupWindow(hwnd))
            return nullptr;
    }
    if (old == hwnd)
        return old;
    In().focus = hwnd;
    if (old)
        SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (In().focus == hwnd && LookupWindow(hwnd))
        SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND WINAPI GetFocus(void) {
    return OnUiThread() && LookupWindow(In().focus) ? In().focus : nullptr;
}

HWND WINAPI SetCapture(HWND hwnd) {
    if (!OnUiThread())
        return nullptr;
    HWND old = LookupWindow(In().capture) ? In().capture : nullptr;
    if (hwnd && !LookupWindowOrFail(hwnd))
        return old;
    In().capture = hwnd;
    if (old && old != hwnd)
        SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL WINAPI ReleaseCapture(void) {
    if (!OnUiThread())
        return FALSE;
    HWND old = LookupWindow(In().capture) ? In().capture : nullptr;
    In().capture = nullptr;
    if (old)
        SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    return OnUiThread() && LookupWindow(In().capture) ? In().capture : nullptr;
}

BOOL WINAPI GetCursorPos(LPPOINT pt) {
    if (!pt)
        return FALSE;
    *pt = In().cursor;
    return TRUE;
}

// The pointer stays on the virtual screen, as a real one stays on the desktop.
BOOL WINAPI SetCursorPos(int x, int y) {
    if (!OnUiThread())
        return FALSE;
    In().cursor =
        POINT{std::clamp(x, 0, metrics::kScreenWidth - 1), std::clamp(y, 0, metrics::kScreenHeight - 1)};
    return TRUE;
}

SHORT WINAPI GetKeyState(int key) {
    if (key < 0 || key > 255 || !OnUiThread())
        return 0;
    BYTE state = In().keys[static_cast<size_t>(key)];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

BOOL WINAPI GetKeyboardState(PBYTE keys) {
    if (!keys || !OnUiThread())
        return FALSE;
    std::copy(In().keys.begin(), In().keys.end(), keys);
    return TRUE;
}

BOOL WINAPI SetKeyboardState(LPBYTE keys) {
    if (!keys || !OnUiThread())
        return FALSE;
    std::copy(keys, keys + In().keys.size(), In().keys.begin());
    return TRUE;
}

SHORT WINAPI GetAsyncKeyState(int key) {
    return static_cast<SHORT>(GetKeyState(key) & 0x8000);
}

UINT WINAPI GetDoubleClickTime(void) {
    return 500;
}

// Headless there is no drag to detect: the button is released where it was pressed.
BOOL WINAPI DragDetect(HWND, POINT) {
    return FALSE;
}

void WINAPI MessageBeep(UINT) {}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    HCURSOR old = In().cursorShape;
    In().cursorShape = cursor;
    return old;
}
}
