// Each top-level window owns a picture of its outer size (an ARGB32 cairo image); every DC of a window
// inside it draws there. RenderWindowSurface repaints a window completely through the ordinary paint
// messages and hands out a copy, which is what PNG files and pixel probes are made from.
//
// Does NOT: composite overlapping top-level windows into one screen picture; each top-level window is
// its own picture.
#include "gdi/device_context.h"
#include "core/geometry.h"
#include "win32/internal.h"

#include <standin/hooks.h>

#include <algorithm>

namespace standin {
namespace {

cairo_surface_t* Scratch() {
    static cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    return surface;
}

} // namespace

cairo_surface_t* SurfaceOfRoot(HWND root) {
    Window* window = LookupWindow(root);
    if (!window || window->m_isDesktop)
        return Scratch();
    int width = std::max<int>(1, window->m_rect.right - window->m_rect.left);
    int height = std::max<int>(1, window->m_rect.bottom - window->m_rect.top);
    cairo_surface_t* old = window->m_surface;
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
    window->m_surface = surface;
    return surface;
}

void ReleaseWindowSurface(Window& window) {
    if (window.m_surface)
        cairo_surface_destroy(window.m_surface);
    window.m_surface = nullptr;
}

void* RenderWindowSurface(HWND hwnd) {
    HWND root = RootOf(hwnd);
    if (!root || root == DesktopWindow())
        return nullptr;
    InvalidateWindow(root, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    UpdateSubtreeNow(root, true);
    if (!LookupWindow(root))
        return nullptr;
    cairo_surface_t* surface = SurfaceOfRoot(root);
    cairo_surface_flush(surface);
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

COLORREF ReadPixel(HWND hwnd, int x, int y) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return CLR_INVALID;
    POINT origin = ClientOriginInRoot(*window);
    auto* surface = static_cast<cairo_surface_t*>(RenderWindowSurface(hwnd));
    if (!surface)
        return CLR_INVALID;
    int px = origin.x + x;
    int py = origin.y + y;
    COLORREF color = CLR_INVALID;
    if (px >= 0 && py >= 0 && px < cairo_image_surface_get_width(surface) &&
        py < cairo_image_surface_get_height(surface)) {
        const unsigned char* row =
            cairo_image_surface_get_data(surface) + py * cairo_image_surface_get_stride(surface);
        uint32_t argb = reinterpret_cast<const uint32_t*>(row)[px];
        color = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    }
    cairo_surface_destroy(surface);
    return color;
}

} // namespace standin
