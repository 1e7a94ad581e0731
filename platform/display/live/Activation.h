// One active window, as on Windows, kept the same on both sides: the stand-in's active top-level
// window and the desktop window that holds the keyboard.
//
// - The desktop gave a frame's mirror the keyboard (a window manager's click, Alt+Tab): the stand-in
//   activates that window. Another program's window took it: the stand-in has no active window, its
//   captions are drawn inactive, as when another program is in front on Windows.
// - The stand-in activated a window (a click on it, SetActiveWindow, ShowWindow without
//   SW_SHOWNOACTIVATE, the window that was active went away): its mirror gets the keyboard, provided
//   the keyboard is this program's to give (it is while one of its windows holds it, and before it
//   ever held it: a program that just started comes to the front, as on Windows).
// - Popups (the drop-down list, tooltips) never take the keyboard; should the desktop give them it,
//   it goes back to the active window. When the mirror that held it goes, the keyboard goes to the
//   window the stand-in activates next (its owner, else the next visible frame), as on Windows; with
//   no window manager nobody else would give it to anyone.
// - While a mouse button is held the keyboard stays where it is: a hand-over then would make SDL let
//   go of the pointer in the middle of a drag (it releases every grab when the keyboard moves). The
//   stand-in's window is active from the press on, as on Windows; the desktop follows on release.
//
// Not done here: which window a key goes to (LiveInput sends it to the stand-in's focus window),
// message boxes and menus (LiveModal gives the keyboard back to their owner when they close).
#pragma once

#include "Mirrors.h"

#include <SDL.h>

namespace display::live {

class Activation {
public:
    explicit Activation(Mirrors& mirrors) : m_mirrors(mirrors) {}

    // Every event of the desktop, before it is handled.
    void note(const SDL_Event& event);
    // A mirror is about to go.
    void closing(Uint32 windowId);
    // After a round's events were handled and the mirrors follow the stand-in: each side takes what
    // changed on the other.
    void settle();

    // The window that holds the keyboard as the desktop last told us; 0 when none of ours does.
    Uint32 keyboardWindow() const { return m_keyboard; }

private:
    void followDesktop();
    void followStandIn();
    void give(SDL_Window* window);

    Mirrors& m_mirrors;
    Uint32 m_keyboard = 0; // the window of ours with the keyboard (0: another program or none)
    bool m_everHadKeyboard = false;
    bool m_desktopChanged = false;   // m_keyboard moved since the last settle
    bool m_keyboardOrphaned = false; // the mirror holding the keyboard went: it must be given again
    HWND m_lastActive = nullptr;     // the stand-in's active window at the last settle
    Uint32 m_buttons = 0;            // the mouse buttons held (SDL_BUTTON masks)
};

} // namespace display::live
