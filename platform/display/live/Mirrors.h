// One borderless SDL window for every visible top-level window of the stand-in, at the same place and
// size, showing the stand-in's own picture of it (frame and caption included: the stand-in draws them,
// so its hit-testing, sizing border and caption buttons are what the person uses).
//
// Not done here: input (LiveInput), message boxes and menus (LiveModal), scaling for high-density
// screens, partial updates (a mirror is redrawn whole), the desktop window manager's decorations.
#pragma once

#include <SDL.h>

#include <windows.h>

#include <vector>

namespace display::live {

class Mirrors {
public:
    Mirrors() = default;
    Mirrors(const Mirrors&) = delete;
    Mirrors& operator=(const Mirrors&) = delete;
    ~Mirrors() { closeAll(); }

    // Follows the stand-in: creates mirrors for windows that became visible, drops those that were
    // hidden or destroyed, moves and resizes the rest. Repaints a mirror that is new or changed place,
    // and every mirror when `repaint` is set.
    void sync(bool repaint);
    // Shows the last picture again (the desktop lost it, e.g. behind another window).
    void present(Uint32 windowId);
    void closeAll();

    // The stand-in window a SDL window mirrors; null when the id is none of ours.
    HWND windowOf(Uint32 windowId) const;
    Uint32 idOf(HWND topLevel) const;
    void raise(HWND topLevel);

private:
    struct Mirror {
        HWND hwnd = nullptr;
        SDL_Window* window = nullptr;
        RECT rect{};
        bool seen = false;
    };
    void paint(Mirror& mirror);
    static std::vector<HWND> VisibleTopLevels();

    std::vector<Mirror> m_mirrors;
};

} // namespace display::live
