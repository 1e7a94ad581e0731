#include "Activation.h"

#include "Desktop.h"

namespace display::live {

void Activation::note(const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT) {
        const Uint32 id = event.window.windowID;
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            m_keyboard = id;
            m_everHadKeyboard = true;
            m_desktopChanged = true;
            m_keyboardOrphaned = false;
        } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST && m_keyboard == id) {
            m_keyboard = 0;
            m_desktopChanged = true;
        }
        return;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        m_buttons |= SDL_BUTTON(event.button.button);
    } else if (event.type == SDL_MOUSEBUTTONUP) {
        m_buttons &= ~SDL_BUTTON(event.button.button);
    }
}

void Activation::closing(Uint32 windowId) {
    if (m_keyboard == windowId) {
        m_keyboard = 0;
        m_keyboardOrphaned = true;
    }
}

void Activation::settle() {
    followDesktop();
    followStandIn();
}

void Activation::followDesktop() {
    if (!m_desktopChanged) {
        return;
    }
    m_desktopChanged = false;
    const HWND top = m_mirrors.windowOf(m_keyboard);
    if (top && Mirrors::IsFrame(top)) {
        if (GetActiveWindow() != top && IsWindowEnabled(top)) {
            SetActiveWindow(top);
        }
    } else if (top) {
        m_keyboardOrphaned = true; // a popup has it: it goes back to the active window
    } else if (GetActiveWindow()) {
        SetActiveWindow(nullptr); // another window took the keyboard: none of the stand-in's is active
    }
    m_lastActive = GetActiveWindow();
}

void Activation::followStandIn() {
    const HWND active = GetActiveWindow();
    if ((active == m_lastActive && !m_keyboardOrphaned) || m_buttons) {
        return; // nothing to follow, or not before the buttons are let go
    }
    m_lastActive = active;
    const bool ours = m_keyboard != 0 || m_keyboardOrphaned || !m_everHadKeyboard;
    m_keyboardOrphaned = false;
    if (!ours) {
        return; // another program holds the keyboard: a window in the background does not take it
    }
    SDL_Window* target = active && Mirrors::IsFrame(active) ? m_mirrors.sdlWindowOf(active) : nullptr;
    if (target && SDL_GetWindowID(target) != m_keyboard) {
        give(target);
    }
}

void Activation::give(SDL_Window* window) {
    desktop::GiveKeyboard(window);
}

} // namespace display::live
