// Pictures of windows on Windows (window_picture.cpp), for the PNG writer and for the stand-in's
// picture calls.
#pragma once

#include <standin/hooks.h>

#include <windows.h>

namespace display::windows {

using standin::WindowPicture;

// The top-level window that holds `hwnd`, outer rectangle; empty (0 x 0) when there is none.
WindowPicture CaptureWindow(HWND hwnd);

} // namespace display::windows
