#include "input.h"

#include "automation.h"

namespace automation::input {

namespace {

// The non-client form of a client mouse message (WM_MOUSEMOVE 0x200 -> WM_NCMOUSEMOVE 0xA0 ...).
UINT NonClientForm(UINT clientMessage) {
    return clientMessage - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

bool InClientArea(HWND hwnd, POINT client) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return PtInRect(&rect, client) != FALSE;
}

} // namespace

HWND MouseTarget(POINT screen) {
    HWND capture = GetCapture();
    return capture ? capture : WindowFromPoint(screen);
}

HWND PostMouse(UINT clientMessage, POINT screen, WPARAM keys) {
    SetCursorPos(screen.x, screen.y);
    HWND target = MouseTarget(screen);
    if (!target) {
        return nullptr;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    if (GetCapture() == target || InClientArea(target, client)) {
        PostMessageW(target, clientMessage, keys, MAKELPARAM(client.x, client.y));
    } else {
        // Over a border or a caption a person's pointer makes the non-client messages.
        const LRESULT hit = SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        PostMessageW(target, NonClientForm(clientMessage), static_cast<WPARAM>(hit),
                     MAKELPARAM(screen.x, screen.y));
    }
    Pump();
    return target;
}

void PostKey(UINT vk, bool down) {
    // Keys go to the window with the focus. Without one they go to the active window as system
    // keys, as Windows posts them; with no active window either, no window hears them.
    HWND target = GetFocus();
    UINT message = down ? WM_KEYDOWN : WM_KEYUP;
    if (!target) {
        target = GetActiveWindow();
        message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    }
    if (!target) {
        return;
    }
    // Repeat count 1; a release also has the previous-state and transition bits.
    const LPARAM flags = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    PostMessageW(target, message, vk, flags);
    Pump();
}

WPARAM ModifierKeys(unsigned modifiers) {
    return ((modifiers & kShift) ? MK_SHIFT : 0) | ((modifiers & kCtrl) ? MK_CONTROL : 0);
}

void PressModifiers(unsigned modifiers) {
    if (modifiers & kCtrl) {
        PostKey(VK_CONTROL, true);
    }
    if (modifiers & kShift) {
        PostKey(VK_SHIFT, true);
    }
}

void ReleaseModifiers(unsigned modifiers) {
    if (modifiers & kShift) {
        PostKey(VK_SHIFT, false);
    }
    if (modifiers & kCtrl) {
        PostKey(VK_CONTROL, false);
    }
}

HWND ClickScreen(POINT screen, UINT downMessage, unsigned modifiers) {
    const WPARAM keys = ModifierKeys(modifiers);
    const WPARAM button = downMessage == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    PressModifiers(modifiers);
    PostMouse(WM_MOUSEMOVE, screen, keys);
    HWND pressed = PostMouse(downMessage, screen, keys | button);
    PostMouse(downMessage + 1, screen, keys); // WM_LBUTTONUP / WM_RBUTTONUP
    ReleaseModifiers(modifiers);
    return pressed;
}

bool IsSameOrInside(HWND window, HWND target) {
    return target && (target == window || IsChild(window, target));
}

bool InputReaches(HWND window) {
    for (HWND each = window; each; each = GetAncestor(each, GA_PARENT)) {
        if (each == GetDesktopWindow()) {
            break;
        }
        if (!IsWindowEnabled(each)) {
            return false;
        }
    }
    return window != nullptr;
}

POINT CentreOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ClientToScreen(window, &centre);
    return centre;
}

} // namespace automation::input
