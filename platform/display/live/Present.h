// Puts a cairo picture into an SDL window, pixel for pixel.
#pragma once

#include <SDL.h>
#include <cairo.h>

namespace display::live {

// Copies `picture` (ARGB32 image) to the top left of the window and shows it. False when SDL could not.
bool PresentPicture(SDL_Window* window, cairo_surface_t* picture);

} // namespace display::live
