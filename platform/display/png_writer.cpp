// Pictures of windows as PNG files: the top-level window that holds the given window, repainted through
// the ordinary paint messages (frame, caption, help and close buttons, every visible control).
//
// Does NOT: need a display; compose several top-level windows into one picture; write other formats.
#include <display.h>

#include "client_area.h"

#include <standin/hooks.h>

#include <cairo.h>

namespace display {

namespace {

// The picture of the top-level window, or the part of it that `part` (outer coordinates) covers.
bool WritePng(HWND hwnd, const RECT* part, const std::string& path) {
    auto* surface = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(hwnd));
    if (!surface)
        return false;
    cairo_surface_t* written = surface;
    if (part)
        written = cairo_surface_create_for_rectangle(surface, part->left, part->top, part->right - part->left,
                                                     part->bottom - part->top);
    const bool ok = cairo_surface_write_to_png(written, path.c_str()) == CAIRO_STATUS_SUCCESS;
    if (written != surface)
        cairo_surface_destroy(written);
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace

bool WriteWindowPng(HWND hwnd, const std::string& path) {
    return WritePng(hwnd, nullptr, path);
}

bool WriteClientPng(HWND hwnd, const std::string& path) {
    RECT client{};
    return ClientAreaInPicture(hwnd, &client) && WritePng(hwnd, &client, path);
}

} // namespace display
