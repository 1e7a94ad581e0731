// Pictures of windows: a PNG of a top-level window, and a live SDL2 window per visible top-level
// window when a display exists, turning the person's mouse and keys into window messages.
#pragma once

#include <windows.h>

#include <string>

#define DISPLAY_API __attribute__((visibility("default")))

namespace display {

// Writes the top-level window holding `hwnd` (frame, caption, help and close buttons, children) to a PNG.
DISPLAY_API bool WriteWindowPng(HWND hwnd, const std::string& path);

// True when a display can be opened (DISPLAY or WAYLAND_DISPLAY set and SDL video initialises).
DISPLAY_API bool Available();
// Starts mirroring every visible top-level window of the stand-in into its own SDL window, installs the
// interactive message boxes and menus, and bridges the clipboard to the desktop's.
DISPLAY_API bool StartLive();
// One round of the live loop: SDL events become window messages, changed windows are redrawn.
// Returns false once every live window was closed by the person or the process should quit.
DISPLAY_API bool PumpLive();
DISPLAY_API void StopLive();

} // namespace display
