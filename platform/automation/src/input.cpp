#include "input.h"

#include "automation.h"

#ifndef _WIN32
#include <standin/hooks.h>
#endif

#include <algorithm>
#include <exception>

namespace automation::input {

namespace {

#ifdef _WIN32
// What taking `message` from the queue does to the thread's key state on Windows, when a device made it.
void NoteKeyState(UINT message, WPARAM wParam) {
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys)) {
        return;
    }
    auto set = [&keys](UINT vk, bool down) {
        BYTE& key = keys[vk & 0xFF];
        if (down && !(key & 0x80)) {
            key ^= 0x01; // a press toggles
        }
        key = static_cast<BYTE>(down ? (key | 0x80) : (key & ~0x80));
    };
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        set(static_cast<UINT>(wParam), message == WM_KEYDOWN || message == WM_SYSKEYDOWN);
        break;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        set(VK_LBUTTON, message == WM_LBUTTONDOWN || message == WM_NCLBUTTONDOWN);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        set(VK_RBUTTON, message == WM_RBUTTONDOWN);
        break;
    default:
        return;
    }
    SetKeyboardState(keys);
}
#endif

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

BOOL PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
#ifdef _WIN32
    NoteKeyState(message, wParam);
    // A device's input never reaches a window that cannot take it; the key state moved all the same.
    if (!hwnd || !InputReaches(hwnd)) {
        return FALSE;
    }
    return PostMessageW(hwnd, message, wParam, lParam);
#else
    return standin::PostInputMessage(hwnd, message, wParam, lParam);
#endif
}

HWND MouseTarget(POINT screen) {
    HWND capture = GetCapture();
    return capture ? capture : WindowFromPoint(screen);
}

HWND QueueMouse(UINT clientMessage, POINT screen, WPARAM keys) {
    SetCursorPos(screen.x, screen.y);
    HWND target = MouseTarget(screen);
    if (!target) {
        return nullptr;
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    if (GetCapture() == target || InClientArea(target, client)) {
        PostInput(target, clientMessage, keys, MAKELPARAM(client.x, client.y));
    } else {
        // Over a border or a caption a person's pointer makes the non-client messages.
        const LRESULT hit = SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        PostInput(target, NonClientForm(clientMessage), static_cast<WPARAM>(hit),
                  MAKELPARAM(screen.x, screen.y));
    }
    return target;
}

HWND PostMouse(UINT clientMessage, POINT screen, WPARAM keys) {
    HWND target = QueueMouse(clientMessage, screen, keys);
    Pump();
    return target;
}

void QueueKey(UINT vk, bool down) {
    // Keys go to the window with the focus. Without one they go to the active window as system
    // keys, as Windows posts them; with no active window either, no window hears them. A release
    // still reaches the loop then, as a message for no window: a key that went down (on a window
    // that has gone since) comes back up in the keyboard state whatever is left to hear it.
    HWND target = GetFocus();
    UINT message = down ? WM_KEYDOWN : WM_KEYUP;
    if (!target) {
        target = GetActiveWindow();
        message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    }
    if (!target && down) {
        return;
    }
    // Repeat count 1; a release also has the previous-state and transition bits.
    const LPARAM flags = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    PostInput(target, message, vk, flags);
}

void PostKey(UINT vk, bool down) {
    QueueKey(vk, down);
    Pump();
}

HeldInput::HeldInput() : m_nUnwinding(std::uncaught_exceptions()) {}

// Only while an exception leaves the action: on the ordinary path every release was already
// made, with the loop run after it.
HeldInput::~HeldInput() {
    if (std::uncaught_exceptions() <= m_nUnwinding) {
        return;
    }
    // A second exception here would end the program; a release that cannot be queued is lost.
    try {
        for (auto key = m_keys.rbegin(); key != m_keys.rend(); ++key) {
            QueueKey(*key, false);
        }
    } catch (...) {
    }
}

void HeldInput::pressKey(UINT vk) {
    m_keys.push_back(vk);
    PostKey(vk, true);
}

void HeldInput::releaseKey(UINT vk) {
    m_keys.erase(std::remove(m_keys.begin(), m_keys.end(), vk), m_keys.end());
    PostKey(vk, false);
}

WPARAM ModifierKeys(unsigned modifiers) {
    return ((modifiers & kShift) ? MK_SHIFT : 0) | ((modifiers & kCtrl) ? MK_CONTROL : 0);
}

void PressModifiers(HeldInput& held, unsigned modifiers) {
    if (modifiers & kCtrl) {
        held.pressKey(VK_CONTROL);
    }
    if (modifiers & kShift) {
        held.pressKey(VK_SHIFT);
    }
}

void ReleaseModifiers(HeldInput& held, unsigned modifiers) {
    if (modifiers & kShift) {
        held.releaseKey(VK_SHIFT);
    }
    if (modifiers & kCtrl) {
        held.releaseKey(VK_CONTROL);
    }
}

HWND ClickScreen(POINT screen, UINT downMessage, unsigned modifiers) {
    const WPARAM keys = ModifierKeys(modifiers);
    HeldInput held;
    PressModifiers(held, modifiers);
    PostMouse(WM_MOUSEMOVE, screen, keys);
    // A list view takes a press by tracking the button until its release, as drag detection does
    // (on either button, and only then tells its parent or settles the selection on a row that was
    // already selected): the release must already wait in the queue when the press is handled, as
    // a person's does by the time that loop looks. Nothing stays held if a handler throws.
    const WPARAM button = downMessage == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    HWND pressed = QueueMouse(downMessage, screen, keys | button);
    QueueMouse(downMessage + 1, screen, keys); // WM_LBUTTONUP / WM_RBUTTONUP
    Pump();
    ReleaseModifiers(held, modifiers);
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
