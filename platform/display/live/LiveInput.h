// The person's mouse and keys on a mirror, as the window messages Windows' input system would post:
// hit-testing through WM_NCHITTEST, the non-client messages for the frame (so the stand-in's sizing
// border and caption buttons work), client messages to the deepest enabled child under the pointer
// or to the window holding the capture, keys to the focus window.
//
// Not done here: double-click messages (a second click arrives as a plain button-down), the right and
// middle buttons on the frame, WM_MOUSELEAVE tracking, WM_SETCURSOR shapes, drag and drop, text input
// beyond keys (characters come from TranslateMessage in the host's loop, as on Windows; no IME).
#pragma once

#include "Mirrors.h"

#include <SDL.h>

namespace display::live {

class LiveInput {
public:
    explicit LiveInput(Mirrors& mirrors) : m_mirrors(mirrors) {}

    // True when the event belonged to a mirror and was turned into messages (or dropped on purpose).
    bool handle(const SDL_Event& event);
    // Whether any input reached the stand-in since the last call.
    bool takeDelivered();

private:
    void mouseButton(HWND top, int x, int y, Uint8 button, bool down);
    void mouseMotion(HWND top, int x, int y);
    void wheel(HWND top, int steps);
    void key(HWND top, const SDL_KeyboardEvent& key);
    void window(HWND top, const SDL_WindowEvent& event);

    Mirrors& m_mirrors;
    bool m_delivered = false;
    POINT m_last{};
};

// The window that a click at `screen` reaches inside `parent`: the deepest visible child under the
// point, passing over children that answer HTTRANSPARENT (group boxes). Null when that child is
// disabled, since input never reaches a disabled window.
HWND ChildUnderPoint(HWND parent, POINT screen);

} // namespace display::live
