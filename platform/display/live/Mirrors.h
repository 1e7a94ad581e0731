// One borderless SDL window for every visible top-level window of the stand-in, at the same place and
// size, showing the stand-in's own picture of it.
//
// The frame is always the stand-in's, and the mirror is undecorated, with or without a window manager:
// the frame is part of the window (its WM_NCHITTEST, the "?" help button of DS_CONTEXTHELP that no
// window manager offers, the sizing border that asks WM_GETMINMAXINFO, the caption drawn active or
// not on WM_NCACTIVATE), and the screen then shows what the window's picture and its PNG show, in the
// same places, whether or not a manager runs. A window manager still manages the mirror: it stacks,
// focuses, moves and resizes it (Alt+drag, its keys), within the size hints the window's
// WM_GETMINMAXINFO gives, and the stand-in window follows every such move (WM_MOVE, WM_SIZE).
//
// A mirror shows what the window's own painting left in its picture: each round the windows paint
// what they invalidated (UpdateWindow), and a mirror is redrawn only when its picture changed.
//
// Not done here: input (LiveInput), activation (Activation), message boxes and menus (LiveModal),
// scaling for high-density screens, partial updates (a changed mirror is redrawn whole).
#pragma once

#include <SDL.h>
#include <cairo.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace display::live {

class Mirrors {
public:
    Mirrors() = default;
    Mirrors(const Mirrors&) = delete;
    Mirrors& operator=(const Mirrors&) = delete;
    ~Mirrors() { closeAll(); }

    // Follows the stand-in: creates mirrors for windows that became visible (shown without the
    // keyboard), drops those that were hidden or destroyed, moves and resizes the rest, and redraws
    // every mirror whose window's picture changed.
    void sync();
    // Shows the last picture again (the desktop lost it, e.g. behind another window).
    void present(Uint32 windowId);
    void closeAll();

    // The desktop (a window manager) moved or sized a frame's mirror: the stand-in window follows,
    // within its WM_GETMINMAXINFO limits (a size it refuses is put back on the next sync).
    void desktopMoved(Uint32 windowId, int x, int y);
    void desktopSized(Uint32 windowId, int width, int height);

    // The stand-in window a SDL window mirrors; null when the id is none of ours.
    HWND windowOf(Uint32 windowId) const;
    Uint32 idOf(HWND topLevel) const;
    SDL_Window* sdlWindowOf(HWND topLevel) const;
    // Told the id of each mirror just before it goes.
    void onClosing(std::function<void(Uint32 windowId)> closing) { m_closing = std::move(closing); }

    // A window with a caption: a frame the person activates, moves and sizes (not a popup).
    static bool IsFrame(HWND hwnd);

private:
    struct Mirror {
        HWND hwnd = nullptr;
        SDL_Window* window = nullptr;
        RECT rect{}; // where the desktop has it
        std::wstring title;
        cairo_surface_t* shown = nullptr; // the picture last put on the screen
        bool seen = false;
    };
    void create(HWND hwnd, const RECT& rect);
    void follow(Mirror& mirror, const RECT& rect);
    void showChanges(Mirror& mirror);
    void close(Mirror& mirror);
    Mirror* find(Uint32 windowId);
    // The mirror of the nearest owner that has one, as a frame stays above its owner; null for none.
    SDL_Window* ownerOnDesktop(HWND hwnd) const;
    static std::vector<HWND> VisibleTopLevels();

    std::vector<Mirror> m_mirrors;
    std::function<void(Uint32)> m_closing;
};

} // namespace display::live
