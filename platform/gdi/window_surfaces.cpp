// Each top-level window owns a picture of its outer size (an ARGB32 cairo image); every DC of a window
// inside it draws there, and a moved child's pixels are moved within it. Copies and pixels of it are what PNG
// files and pixel probes are made from; repainting before a copy is the window manager's part
// (win32/pictures.cpp).
//
// Does NOT: composite overlapping top-level windows into one screen picture; each top-level window is
// its own picture.
#include "core/window_tree.h"
#include "gdi/device_context.h"

#include <algorithm>

namespace standin {
namespace {

cairo_surface_t* Scratch() {
    static cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    return surface;
}

// Window::m_surface holds the cairo image itself, under a type only gdi turns back into one.
cairo_surface_t* ImageOf(const Window& window) {
    return reinterpret_cast<cairo_surface_t*>(window.m_surface);
}

COLORREF ColorOf(uint32_t argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// The picture of a live top-level window as it stands, flushed for reading; null for the desktop.
cairo_surface_t* PictureToRead(HWND root) {
    Window* window = LookupWindow(root);
    if (!window || window->m_isDesktop)
        return nullptr;
    cairo_surface_t* surface = SurfaceOfRoot(root);
    cairo_surface_flush(surface);
    return surface;
}

} // namespace

cairo_surface_t* SurfaceOfRoot(HWND root) {
    Window* window = LookupWindow(root);
    if (!window || window->m_isDesktop)
        return Scratch();
    int width = std::max<int>(1, window->m_rect.right - window->m_rect.left);
    int height = std::max<int>(1, window->m_rect.bottom - window->m_rect.top);
    cairo_surface_t* old = ImageOf(*window);
    if (old && cairo_image_surface_get_width(old) == width && cairo_image_surface_get_height(old) == height)
        return old;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(surface);
    SetSourceColor(cairo, GetSysColor(COLOR_3DFACE));
    cairo_paint(cairo);
    if (old) {
        // What was drawn stays where it was until the window repaints the new area.
        cairo_set_source_surface(cairo, old, 0, 0);
        cairo_paint(cairo);
        cairo_surface_destroy(old); // DCs still open on it keep their own reference
    }
    cairo_destroy(cairo);
    window->m_surface = reinterpret_cast<WindowSurface*>(surface);
    return surface;
}

// Through a copy of the pixels: a move of a few pixels reads what it also writes.
void MoveRootPixels(HWND root, const RECT& from, POINT by) {
    Window* window = LookupWindow(root);
    const int width = from.right - from.left;
    const int height = from.bottom - from.top;
    if (!window || window->m_isDesktop || width <= 0 || height <= 0)
        return;
    cairo_surface_t* surface = SurfaceOfRoot(root);
    cairo_surface_t* moving = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(moving);
    cairo_set_source_surface(cairo, surface, -from.left, -from.top);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo = cairo_create(surface);
    cairo_rectangle(cairo, from.left + by.x, from.top + by.y, width, height);
    cairo_clip(cairo);
    cairo_set_source_surface(cairo, moving, from.left + by.x, from.top + by.y);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_destroy(moving);
}

void ReleaseWindowSurface(Window& window) {
    if (cairo_surface_t* surface = ImageOf(window))
        cairo_surface_destroy(surface);
    window.m_surface = nullptr;
}

void* CopyOfRootPicture(HWND root) {
    cairo_surface_t* surface = PictureToRead(root);
    if (!surface)
        return nullptr;
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(copy);
    cairo_set_source_surface(cairo, surface, 0, 0);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_flush(copy);
    return copy;
}

COLORREF PixelOfRootPicture(HWND root, POINT at) {
    cairo_surface_t* surface = PictureToRead(root);
    if (!surface || at.x < 0 || at.y < 0 || at.x >= cairo_image_surface_get_width(surface) ||
        at.y >= cairo_image_surface_get_height(surface))
        return CLR_INVALID;
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + at.y * cairo_image_surface_get_stride(surface);
    return ColorOf(reinterpret_cast<const uint32_t*>(row)[at.x]);
}

WindowPicture PixelsOfRootPicture(HWND root) {
    WindowPicture picture;
    cairo_surface_t* surface = PictureToRead(root);
    if (!surface)
        return picture;
    picture.width = cairo_image_surface_get_width(surface);
    picture.height = cairo_image_surface_get_height(surface);
    picture.pixels.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row =
            cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(ColorOf(reinterpret_cast<const uint32_t*>(row)[x]));
    }
    return picture;
}

} // namespace standin
