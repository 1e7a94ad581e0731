// Pictures of windows as PNG files: the top-level window that holds the given window, repainted through
// the ordinary paint messages (frame, caption, help and close buttons, every visible control).
//
// Does NOT: need a display; compose several top-level windows into one picture; write other formats.
#include <display.h>

#include <standin/hooks.h>

#include <cairo.h>

namespace display {

bool WriteWindowPng(HWND hwnd, const std::string& path) {
    auto* surface = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(hwnd));
    if (!surface)
        return false;
    bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace display
