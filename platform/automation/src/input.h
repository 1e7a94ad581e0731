// The pieces every simulated action shares: the message loop, and input messages posted where a
// person's mouse and keys would send them, one event at a time with the loop run in between (the
// window a real event reaches is decided when the program takes it from the queue).
#pragma once

#include <windows.h>

#include <vector>

namespace automation::input {

// Posts one message of a person's mouse or keyboard. On the stand-in it is marked as such
// (standin::PostInputMessage): taken from the queue it moves the key state, and it goes nowhere when
// its window cannot take input. Windows leaves the key state of posted messages alone, so there the
// thread's key state is set here, as the system would set it when the loop takes the message; every
// action runs the loop right after its input, so the two agree.
BOOL PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window a pointer at `screen` talks to: the one holding the mouse capture, else the one under
// the point. Null when there is none.
HWND MouseTarget(POINT screen);

// Moves the pointer to `screen` and posts one mouse message there (a WM_NC* one when the point is
// outside the target's client area), then runs the loop. Returns the window that got it.
HWND PostMouse(UINT clientMessage, POINT screen, WPARAM keys);
// The same without running the loop.
HWND QueueMouse(UINT clientMessage, POINT screen, WPARAM keys);

// One key going down or up on the window with the focus (the active window without one), then the
// loop; QueueKey leaves running the loop to the caller.
void PostKey(UINT vk, bool down);
void QueueKey(UINT vk, bool down);

// The keys an action holds down. A handler may throw while they are down; the
// person's fingers come up all the same: while an exception leaves the action, the releases of
// whatever is still held are posted for the program's loop to take.
class HeldInput {
public:
    HeldInput();
    ~HeldInput();
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;

    void pressKey(UINT vk);
    void releaseKey(UINT vk);

private:
    int m_nUnwinding = 0;
    std::vector<UINT> m_keys;
};

// MK_* bits of the modifiers, and holding them down around an action.
WPARAM ModifierKeys(unsigned modifiers);
void PressModifiers(HeldInput& held, unsigned modifiers);
void ReleaseModifiers(HeldInput& held, unsigned modifiers);

// A whole click of `button` (WM_LBUTTONDOWN or WM_RBUTTONDOWN) at `screen`: move, then press and
// release queued together before the loop runs.
// Returns the window that got the press.
HWND ClickScreen(POINT screen, UINT downMessage, unsigned modifiers);

// True when `window` is `target` or holds it.
bool IsSameOrInside(HWND window, HWND target);
// Input reaches a window only when it and every window holding it are enabled.
bool InputReaches(HWND window);

POINT CentreOnScreen(HWND window);

} // namespace automation::input
