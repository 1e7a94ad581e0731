// Where a window's frame, client area and children lie, in the coordinates each caller needs.
#pragma once

#include "core/window_tree.h"

namespace standin {

// Thickness of the non-client area on each side, from the styles alone.
RECT FrameInsets(DWORD style, DWORD exStyle);
// The client area in the window's own coordinates (window top-left = 0,0).
RECT ClientRectInWindow(const Window& window);
RECT WindowRectOnScreen(const Window& window);
POINT ClientOriginOnScreen(const Window& window);
// Offsets inside the top-level window's picture (its window rectangle's top-left = 0,0).
POINT WindowOriginInRoot(const Window& window);
POINT ClientOriginInRoot(const Window& window);
RECT ClientInRoot(const Window& window);

} // namespace standin
