// Message boxes and popup menus for a person at the live display: each is an SDL window of its own,
// painted by ModalLook, with a nested event loop that returns the person's answer. While one is open,
// input to every other window is dropped (they are modal), but windows keep being shown. A message box
// takes the keyboard, as Windows activates it, and gives it back to its owner's window when it
// closes; a menu never takes it (the keys reach it through whichever window holds the keyboard).
// Both stay above their owner's window.
//
// Not done here: keyboard mnemonics of menu entries, submenus, the menu's TPM_* alignment flags other
// than keeping it on the screen, dragging a message box by its caption off the stand-in screen.
#pragma once

#include "Mirrors.h"

#include <standin/hooks.h>

#include <SDL.h>

#include <functional>
#include <optional>

namespace display::live {

class LiveModal final : public standin::InteractiveModal {
public:
    // `forward` receives the window events (exposure, closing) of other windows while a modal loop runs;
    // `released` every button release a loop takes, used or dropped: the press before it was a
    // mirror's (a context menu opens on the press), and that mirror holds the pointer no longer.
    LiveModal(const Mirrors& mirrors, std::function<void(const SDL_Event&)> forward,
              std::function<void(const SDL_MouseButtonEvent&)> released)
        : m_mirrors(mirrors), m_forward(std::move(forward)), m_released(std::move(released)) {}

    int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override;
    UINT popupMenu(HWND owner, POINT at, const std::vector<standin::MenuEntry>& entries) override;

    // An answer that the next box or menu takes after showing itself (scripts driving the display).
    static void QueueAnswer(unsigned answer);

private:
    // Keeps the windows shown for a moment, so that a scripted answer is seen being given; `repaint`
    // paints the box or menu again when the desktop shows it.
    void showBriefly(Uint32 ownWindow, const std::function<void()>& repaint);
    // The desktop window of the owner's top-level window; null when it has none.
    SDL_Window* ownerWindow(HWND owner) const;

    const Mirrors& m_mirrors;
    // The next desktop event for a modal loop, its button releases told to `m_released`; false when
    // none came within `timeoutMs` (-1: no limit) or the desktop's events are gone.
    bool nextEvent(SDL_Event& e, int timeoutMs);

    std::function<void(const SDL_Event&)> m_forward;
    std::function<void(const SDL_MouseButtonEvent&)> m_released;
};

} // namespace display::live
