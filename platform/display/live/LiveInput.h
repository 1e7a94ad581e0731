// The person's mouse and keys on a mirror, as the window messages Windows' input system would post:
// hit-testing through WM_NCHITTEST, the non-client messages for the frame (so the stand-in's sizing
// border and caption buttons work), client messages to the deepest enabled child under the pointer
// or to the window holding the capture. A button pressed on an inactive frame activates it first, as
// its WM_MOUSEACTIVATE answers. Keys go to the stand-in's focus window, whichever mirror the desktop
// delivered them to: an open drop-down list or menu never holds the keyboard, the combo box (or the
// window that owns the menu) does, as on Windows. The modifier keys of a mouse message are those the
// desktop's event says were held (desktop::EventModifiers), never a keyboard state that may be stale.
// The desktop's moves and sizes of a frame (a window manager) are passed to Mirrors.
//
// While a button is held on a mirror, every pointer event of the program's windows is that mirror's,
// as on Windows a pressed window holds the capture: SDL captures the pointer for the window holding
// the keyboard, which is not the pressed one when the click is what activates it (the keyboard
// follows on release, see Activation), so events reported on another window are moved to the pressed
// mirror's coordinates.
//
// Not done here: double-click messages (a second click arrives as a plain button-down), the right and
// middle buttons on the frame, WM_MOUSELEAVE tracking, WM_SETCURSOR shapes, drag and drop, text input
// beyond keys (characters come from TranslateMessage in the host's loop, as on Windows; no IME).
#pragma once

#include "Desktop.h"
#include "Mirrors.h"

#include <SDL.h>

namespace display::live {

class LiveInput {
public:
    LiveInput(Mirrors& mirrors, const desktop::EventModifiers& modifiers)
        : m_mirrors(mirrors), m_modifiers(modifiers) {}

    // True when the event belonged to a mirror and was turned into messages (or dropped on purpose).
    bool handle(const SDL_Event& event);
    // Whether any input reached the stand-in since the last call.
    bool takeDelivered();
    // A mirror is about to go.
    void closing(Uint32 windowId);
    // A button was let go where no mirror took it (a menu's or a message box's loop).
    void released(const SDL_MouseButtonEvent& button);

private:
    void mouseButton(HWND top, int x, int y, Uint8 button, bool down, SDL_Keymod modifiers);
    void mouseMotion(HWND top, int x, int y, SDL_Keymod modifiers);
    void wheel(HWND top, int steps, SDL_Keymod modifiers);
    void activateOnClick(HWND top, POINT screen, UINT message);
    void key(HWND top, const SDL_KeyboardEvent& key);
    // The mirror a pointer event belongs to, with (x, y) moved into its coordinates; null when the
    // event is not the stand-in's.
    HWND pointerTarget(Uint32 windowId, int& x, int& y);
    void noteButton(const SDL_MouseButtonEvent& button, HWND top);
    void window(HWND top, const SDL_WindowEvent& event);

    Mirrors& m_mirrors;
    const desktop::EventModifiers& m_modifiers;
    bool m_delivered = false;
    Uint32 m_held = 0;    // the mirror a button is held on
    Uint32 m_buttons = 0; // the buttons held (SDL_BUTTON masks)
    POINT m_last{};
};

// The window that a click at `screen` reaches inside `parent`: the deepest visible child under the
// point, passing over children that answer HTTRANSPARENT (group boxes). Null when that child is
// disabled, since input never reaches a disabled window.
HWND ChildUnderPoint(HWND parent, POINT screen);

} // namespace display::live
