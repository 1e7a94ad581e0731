#include "Present.h"

namespace display::live {

bool PresentPicture(SDL_Window* window, cairo_surface_t* picture) {
    cairo_surface_flush(picture);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(picture), cairo_image_surface_get_width(picture),
        cairo_image_surface_get_height(picture), 32, cairo_image_surface_get_stride(picture),
        SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* target = SDL_GetWindowSurface(window);
    bool shown = false;
    if (source && target) {
        // Windows are opaque: copy, do not blend.
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        shown =
            SDL_BlitSurface(source, nullptr, target, nullptr) == 0 && SDL_UpdateWindowSurface(window) == 0;
    }
    SDL_FreeSurface(source);
    return shown;
}

} // namespace display::live
