#include "LiveInput.h"

#include "KeyMap.h"

#include <standin/hooks.h>

#include <cwchar>

namespace display::live {

namespace {

LPARAM PointParam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// Windows' group box answers HTTRANSPARENT; this also covers a stand-in button that does not.
bool IsGroupBox(HWND hwnd) {
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, 16);
    return wcscasecmp(className, L"Button") == 0 &&
           (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Where the person's pointer is on the stand-in screen: mirrors sit where their windows are.
POINT ScreenPoint(HWND top, int x, int y) {
    RECT rect{};
    GetWindowRect(top, &rect);
    return POINT{rect.left + x, rect.top + y};
}

void PostClientMouse(HWND target, UINT message, WPARAM flags, POINT screen) {
    POINT client = screen;
    ScreenToClient(target, &client);
    standin::PostInputMessage(target, message, flags, PointParam(client));
}

} // namespace

HWND ChildUnderPoint(HWND parent, POINT screen) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        if (!IsWindowVisible(child) || !GetWindowRect(child, &rect) || !PtInRect(&rect, screen)) {
            continue;
        }
        if (SendMessageW(child, WM_NCHITTEST, 0, PointParam(screen)) == HTTRANSPARENT || IsGroupBox(child)) {
            continue;
        }
        if (!IsWindowEnabled(child)) {
            return nullptr;
        }
        return ChildUnderPoint(child, screen);
    }
    return parent;
}

HWND LiveInput::pointerTarget(Uint32 windowId, int& x, int& y) {
    if (m_held && m_held != windowId) {
        SDL_Window* from = SDL_GetWindowFromID(windowId);
        SDL_Window* to = SDL_GetWindowFromID(m_held);
        HWND top = m_mirrors.windowOf(m_held);
        if (from && to && top) {
            int fromX = 0, fromY = 0, toX = 0, toY = 0;
            SDL_GetWindowPosition(from, &fromX, &fromY);
            SDL_GetWindowPosition(to, &toX, &toY);
            x += fromX - toX;
            y += fromY - toY;
            return top;
        }
    }
    return m_mirrors.windowOf(windowId);
}

void LiveInput::noteButton(const SDL_MouseButtonEvent& button, HWND top) {
    const Uint32 mask = SDL_BUTTON(button.button);
    if (button.type == SDL_MOUSEBUTTONDOWN) {
        if (!m_held) {
            m_held = m_mirrors.idOf(top);
        }
        m_buttons |= mask;
    } else {
        released(button);
    }
}

void LiveInput::released(const SDL_MouseButtonEvent& button) {
    if ((m_buttons &= ~SDL_BUTTON(button.button)) == 0) {
        m_held = 0;
    }
}

void LiveInput::closing(Uint32 windowId) {
    if (m_held == windowId) {
        m_held = 0;
        m_buttons = 0;
    }
}

bool LiveInput::handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        int x = event.motion.x;
        int y = event.motion.y;
        if (HWND top = pointerTarget(event.motion.windowID, x, y)) {
            mouseMotion(top, x, y, m_modifiers.of(event));
            return true;
        }
        return false;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int x = event.button.x;
        int y = event.button.y;
        if (HWND top = pointerTarget(event.button.windowID, x, y)) {
            noteButton(event.button, top);
            mouseButton(top, x, y, event.button.button, event.type == SDL_MOUSEBUTTONDOWN,
                        m_modifiers.of(event));
            return true;
        }
        return false;
    }
    case SDL_MOUSEWHEEL:
        if (HWND top = m_mirrors.windowOf(event.wheel.windowID)) {
            wheel(top, event.wheel.y, m_modifiers.of(event));
            return true;
        }
        return false;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (HWND top = m_mirrors.windowOf(event.key.windowID)) {
            key(top, event.key);
            return true;
        }
        return false;
    case SDL_WINDOWEVENT:
        if (HWND top = m_mirrors.windowOf(event.window.windowID)) {
            window(top, event.window);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool LiveInput::takeDelivered() {
    const bool delivered = m_delivered;
    m_delivered = false;
    return delivered;
}

void LiveInput::mouseMotion(HWND top, int x, int y, SDL_Keymod modifiers) {
    const POINT screen = ScreenPoint(top, x, y);
    m_last = screen;
    SetCursorPos(screen.x, screen.y);
    const WPARAM flags = MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr), modifiers);
    if (HWND capture = GetCapture()) {
        PostClientMouse(capture, WM_MOUSEMOVE, flags, screen);
    } else {
        const LRESULT hit = SendMessageW(top, WM_NCHITTEST, 0, PointParam(screen));
        if (hit != HTCLIENT) {
            standin::PostInputMessage(top, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), PointParam(screen));
        } else if (HWND target = ChildUnderPoint(top, screen)) {
            PostClientMouse(target, WM_MOUSEMOVE, flags, screen);
        }
    }
    m_delivered = true;
}

// Windows asks the window under the pointer (which asks its parents) whether a press on an inactive
// top-level window activates it; the answer's "and eat" forms are not told apart here.
void LiveInput::activateOnClick(HWND top, POINT screen, UINT message) {
    if (!Mirrors::IsFrame(top) || GetActiveWindow() == top || GetCapture()) {
        return;
    }
    const LRESULT hit = SendMessageW(top, WM_NCHITTEST, 0, PointParam(screen));
    HWND under = hit == HTCLIENT ? ChildUnderPoint(top, screen) : top;
    if (!under) {
        under = top; // a disabled control: its dialog is asked
    }
    const LRESULT answer = SendMessageW(under, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                        MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(message)));
    if (IsWindow(top) && (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT)) {
        SetActiveWindow(top);
    }
}

void LiveInput::mouseButton(HWND top, int x, int y, Uint8 button, bool down, SDL_Keymod modifiers) {
    if (button != SDL_BUTTON_LEFT && button != SDL_BUTTON_RIGHT) {
        return;
    }
    const POINT screen = ScreenPoint(top, x, y);
    SetCursorPos(screen.x, screen.y);
    if (down) {
        activateOnClick(top, screen, button == SDL_BUTTON_LEFT ? WM_LBUTTONDOWN : WM_RBUTTONDOWN);
        if (!IsWindow(top)) {
            return;
        }
    }
    const bool left = button == SDL_BUTTON_LEFT;
    const UINT clientMessage =
        left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    // The message's key flags tell the state after the change, as Windows reports them.
    const Uint32 mask = left ? SDL_BUTTON_LMASK : SDL_BUTTON_RMASK;
    buttons = down ? (buttons | mask) : (buttons & ~mask);
    const WPARAM flags = MouseKeyFlags(buttons, modifiers);
    if (HWND capture = GetCapture()) {
        PostClientMouse(capture, clientMessage, flags, screen);
    } else {
        const LRESULT hit = SendMessageW(top, WM_NCHITTEST, 0, PointParam(screen));
        if (hit != HTCLIENT) {
            if (left) {
                standin::PostInputMessage(top, down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP,
                                          static_cast<WPARAM>(hit), PointParam(screen));
            }
        } else if (HWND target = ChildUnderPoint(top, screen)) {
            PostClientMouse(target, clientMessage, flags, screen);
        }
    }
    m_delivered = true;
}

void LiveInput::wheel(HWND top, int steps, SDL_Keymod modifiers) {
    if (steps == 0) {
        return;
    }
    HWND target = ChildUnderPoint(top, m_last);
    if (!target) {
        return;
    }
    const WPARAM flags = MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr), modifiers);
    const auto delta = static_cast<WORD>(static_cast<short>(steps * WHEEL_DELTA));
    standin::PostInputMessage(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(flags), delta),
                              PointParam(m_last));
    m_delivered = true;
}

void LiveInput::key(HWND top, const SDL_KeyboardEvent& event) {
    const UINT vk = VirtualKeyOf(event.keysym.sym);
    if (vk == 0) {
        return;
    }
    // The keyboard's messages go to the focus window of the thread, as on Windows; the mirror the
    // desktop delivered the key to only matters when the stand-in has no focus and no active window.
    HWND focus = GetFocus();
    if (!focus) {
        focus = GetActiveWindow();
    }
    if (!focus) {
        focus = top;
    }
    const bool down = event.type == SDL_KEYDOWN;
    const bool alt = (event.keysym.mod & KMOD_ALT) != 0;
    LPARAM info = 1 | (static_cast<LPARAM>(event.keysym.scancode & 0xFF) << 16);
    if (alt) {
        info |= LPARAM(1) << 29;
    }
    if (event.repeat || !down) {
        info |= LPARAM(1) << 30;
    }
    if (!down) {
        info |= LPARAM(1) << 31;
    }
    const UINT message = alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    standin::PostInputMessage(focus, message, vk, info);
    m_delivered = true;
}

void LiveInput::window(HWND top, const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
        m_mirrors.present(event.windowID);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // The desktop's close (a window manager's button, Alt+F4) is the system menu's close.
        PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        m_delivered = true;
        break;
    case SDL_WINDOWEVENT_MOVED:
        m_mirrors.desktopMoved(event.windowID, event.data1, event.data2);
        m_delivered = true;
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        m_mirrors.desktopSized(event.windowID, event.data1, event.data2);
        m_delivered = true;
        break;
    default:
        break;
    }
}

} // namespace display::live
