// The pieces every simulated action shares: the message loop, and input messages posted where a
// person's mouse and keys would send them, one event at a time with the loop run in between (the
// window a real event reaches is decided when the program takes it from the queue).
#pragma once

#include <windows.h>

namespace automation::input {

// The window a pointer at `screen` talks to: the one holding the mouse capture, else the one under
// the point. Null when there is none.
HWND MouseTarget(POINT screen);

// Moves the pointer to `screen` and posts one mouse message there (a WM_NC* one when the point is
// outside the target's client area), then runs the loop. Returns the window that got it.
HWND PostMouse(UINT clientMessage, POINT screen, WPARAM keys);

// One key going down or up on the window with the focus (the active window without one).
void PostKey(UINT vk, bool down);

// MK_* bits of the modifiers, and holding them down around an action.
WPARAM ModifierKeys(unsigned modifiers);
void PressModifiers(unsigned modifiers);
void ReleaseModifiers(unsigned modifiers);

// A whole click of `button` (WM_LBUTTONDOWN or WM_RBUTTONDOWN) at `screen`: move, press, release.
// Returns the window that got the press.
HWND ClickScreen(POINT screen, UINT downMessage, unsigned modifiers);

// True when `window` is `target` or holds it.
bool IsSameOrInside(HWND window, HWND target);
// Input reaches a window only when it and every window holding it are enabled.
bool InputReaches(HWND window);

POINT CentreOnScreen(HWND window);

} // namespace automation::input
