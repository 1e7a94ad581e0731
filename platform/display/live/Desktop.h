// What the live display asks of the desktop beyond SDL's own calls, where those do otherwise than
// Windows would. With no window manager running, SDL gives every window it shows the X keyboard focus
// (and with RevertToNone, nobody has it once that window goes): a drop-down list, a menu or a dialog
// shown without activation would take the keyboard from the window that must keep it. So mirrors are
// shown here without the focus, and the focus is given only where the stand-in's activation goes.
//
// On X these talk to the server through SDL's window information; on any other SDL driver (the
// dummy driver of the tests) each one falls back to SDL's call or does nothing.
//
// Not done here: Wayland (SDL runs there through XWayland as well), several screens.
#pragma once

#include <SDL.h>

#include <string>

namespace display::live::desktop {

// Shows the window without giving it the keyboard: a window manager is told not to focus it on its
// first appearance (_NET_WM_USER_TIME 0), and without one nobody does.
void ShowWithoutFocus(SDL_Window* window);
// Gives the window the keyboard and raises it, as the desktop does for the active window. Call it
// only while this program holds the keyboard (or right after the person clicked one of its windows),
// as a program on Windows may only activate itself while in the foreground.
void GiveKeyboard(SDL_Window* window);
// The window manager keeps `window` above `owner` and gives `owner` the keyboard back when `window`
// goes (WM_TRANSIENT_FOR), as Windows keeps an owned window above its owner. Null clears it.
void KeepAbove(SDL_Window* window, SDL_Window* owner);
// The title, in the old title properties too (WM_NAME, WM_ICON_NAME, as UTF8_STRING), for tools that
// search windows by them; SDL writes UTF-8 bytes there and calls them Latin-1 when the process's
// locale is not a UTF-8 one.
void SetTitle(SDL_Window* window, const std::string& utf8);
// The smallest size a window manager may give the window (the largest is the screen).
void SetMinimumSize(SDL_Window* window, int width, int height);
// Without X, the window that the hand-overs above gave the keyboard last (0: none yet), as a desktop
// would report it with focus events.
Uint32 SimulatedKeyboardWindow();
// Whether a window manager runs now (it may start after this program did), asked of the display that
// shows `any`.
bool WindowManagerRunning(SDL_Window* any);

// The modifier keys that the desktop's own event says were held when a mouse event happened. SDL's
// mouse events carry none, and SDL's keyboard state is only as fresh as the last key event that
// reached a window of ours: with the keyboard elsewhere it is stale, and a Shift-click would read as
// a plain click. On X every event comes first as a system event holding the X event itself; the SDL
// mouse event that follows it takes its state. Events made by a program (pushed into SDL's queue)
// have no such event, and take SDL's keyboard state.
class EventModifiers {
public:
    // Call for every event, in the order SDL gives them.
    void note(const SDL_Event& event);
    // The modifiers of the mouse event (motion, button, wheel) last noted; SDL's keyboard state for
    // any other event.
    SDL_Keymod of(const SDL_Event& event) const;

private:
    struct Pending {
        Uint32 sdlType = 0; // the SDL event the X event becomes
        SDL_Keymod modifiers = KMOD_NONE;
        bool valid = false;
    };
    Pending m_pending;
    SDL_Keymod m_current = KMOD_NONE;
};

// Asks SDL to hand out the system events EventModifiers reads.
void ReceiveSystemEvents();
// A request about a window that is gone by the time the server reads it (the desktop's or one SDL has
// just let go) fails with an error that Xlib's default handler answers by ending the program: the
// person would lose the drawing over a stale window. From here on such errors are reported on
// standard error and passed over (TrappedErrors still catches its own requests' errors first).
void SurviveStaleWindows();

} // namespace display::live::desktop
