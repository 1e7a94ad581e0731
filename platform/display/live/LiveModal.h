// Message boxes and popup menus for a person at the live display: each is an SDL window of its own,
// painted by ModalLook, with a nested event loop that returns the person's answer. While one is open,
// input to every other window is dropped (they are modal), but windows keep being shown.
//
// Not done here: keyboard mnemonics of menu entries, submenus, the menu's TPM_* alignment flags other
// than keeping it on the screen, dragging a message box by its caption off the stand-in screen.
#pragma once

#include <standin/hooks.h>

#include <SDL.h>

#include <functional>
#include <optional>

namespace display::live {

class LiveModal final : public standin::InteractiveModal {
public:
    // `forward` receives the window events (exposure, closing) of other windows while a modal loop runs.
    explicit LiveModal(std::function<void(const SDL_Event&)> forward) : m_forward(std::move(forward)) {}

    int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) override;
    UINT popupMenu(HWND owner, POINT at, const std::vector<standin::MenuEntry>& entries) override;

    // An answer that the next box or menu takes after showing itself (scripts driving the display).
    static void QueueAnswer(unsigned answer);

private:
    // Keeps the windows shown for a moment, so that a scripted answer is seen being given.
    void showBriefly(Uint32 ownWindow);

    std::function<void(const SDL_Event&)> m_forward;
};

} // namespace display::live
