// Device contexts as the drawing functions see them: a cairo context on the picture of the window's
// top-level window, the selected objects and the attributes (gdi.h has how the window manager opens
// and closes them).
#pragma once

#include "gdi/gdi.h"

#include <windows.h>

#include <cairo.h>

#include <vector>

namespace standin {

struct DcState {
    HFONT font = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(255, 255, 255);
    int backMode = OPAQUE;
    POINT viewportOrigin{0, 0};
    POINT penPosition{0, 0};
};

struct DeviceContext {
    HWND m_window = nullptr;
    cairo_t* m_cairo = nullptr;
    POINT m_origin{0, 0}; // the area's top-left in the picture
    DcState m_state;
    std::vector<DcState> m_saved; // SaveDC levels, outermost first

    DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    ~DeviceContext();
};

DeviceContext* LookupDc(HDC dc);
// Puts the DC's origin and viewport origin into the cairo matrix before a drawing call.
void ApplyViewport(DeviceContext& dc);
void SetSourceColor(cairo_t* cairo, COLORREF color);
// The colour a brush paints with; false for a hollow or invalid brush. Accepts (HBRUSH)(COLOR_* + 1).
bool ResolveBrush(HBRUSH brush, COLORREF* color);

// The picture of a top-level window, made or resized to the window's outer size (window_surfaces.cpp).
cairo_surface_t* SurfaceOfRoot(HWND root);
// The colour a stand-in icon is painted in; false for an invalid icon (icons.cpp).
bool IconColor(HICON icon, COLORREF* color);

} // namespace standin
