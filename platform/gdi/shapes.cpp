// Rectangles, lines, polygons, ellipses and single pixels, drawn crisp (no antialiasing) as GDI draws.
// Coordinates follow GDI: a rectangle covers left..right-1 and top..bottom-1, a line leaves out its
// last pixel.
//
// Does NOT: support wide pen joins and caps beyond cairo's square ones, ROP2 modes other than copy,
// or the winding polygon fill mode (polygons fill ALTERNATE).
#include "gdi/device_context.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
#include <numbers>
#include <cmath>

namespace standin {
namespace {

bool ResolvePen(HPEN pen, COLORREF* color, int* width, int* style) {
    GdiObject* object = LookupHeldGdiObject(pen);
    if (!object || object->m_kind != GdiKind::Pen || object->m_hollow)
        return false;
    *color = object->m_color;
    *width = object->m_penWidth;
    *style = object->m_penStyle;
    return true;
}

void PreparePen(cairo_t* cairo, COLORREF color, int width, int style) {
    SetSourceColor(cairo, color);
    cairo_set_line_width(cairo, width);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_SQUARE);
    if (style == PS_DOT) {
        double dash[] = {1.0, 1.0};
        cairo_set_dash(cairo, dash, 2, 0);
        cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
    } else {
        cairo_set_dash(cairo, nullptr, 0, 0);
    }
}

DeviceContext* Prepared(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    if (dc)
        ApplyViewport(*dc);
    return dc;
}

void FillBox(cairo_t* cairo, double x, double y, double w, double h, COLORREF color) {
    if (w <= 0 || h <= 0)
        return;
    SetSourceColor(cairo, color);
    cairo_rectangle(cairo, x, y, w, h);
    cairo_fill(cairo);
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

int WINAPI FillRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = Prepared(handle);
    COLORREF color;
    if (!dc || !rect || !ResolveBrush(brush, &color))
        return 0;
    FillBox(dc->m_cairo, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, color);
    return 1;
}

int WINAPI FrameRect(HDC handle, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = Prepared(handle);
    COLORREF color;
    if (!dc || !rect || !ResolveBrush(brush, &color))
        return 0;
    LONG w = rect->right - rect->left;
    LONG h = rect->bottom - rect->top;
    if (w <= 0 || h <= 0)
        return 1;
    cairo_t* c = dc->m_cairo;
    FillBox(c, rect->left, rect->top, w, 1, color);
    FillBox(c, rect->left, rect->bottom - 1, w, 1, color);
    FillBox(c, rect->left, rect->top, 1, h, color);
    FillBox(c, rect->right - 1, rect->top, 1, h, color);
    return 1;
}

BOOL WINAPI Rectangle(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = Prepared(handle);
    if (!dc)
        return FALSE;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    COLORREF penColor;
    int width, style;
    bool pen = ResolvePen(dc->m_state.pen, &penColor, &width, &style);
    COLORREF fill;
    if (ResolveBrush(dc->m_state.brush, &fill)) {
        // Without a pen the filled area is one pixel smaller on the right and bottom, as in GDI.
        int inset = pen ? 0 : 1;
        FillBox(dc->m_cairo, left, top, right - left - inset, bottom - top - inset, fill);
    }
    if (pen) {
        PreparePen(dc->m_cairo, penColor, width, style);
        double half = width / 2.0;
        cairo_rectangle(dc->m_cairo, left + half, top + half, right - left - width, bottom - top - width);
        cairo_stroke(dc->m_cairo);
    }
    return TRUE;
}

BOOL WINAPI Ellipse(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = Prepared(handle);
    if (!dc)
        return FALSE;
    double w = right - left;
    double h = bottom - top;
    if (w <= 0 || h <= 0)
        return TRUE;
    cairo_t* c = dc->m_cairo;
    auto path = [&] {
        cairo_save(c);
        cairo_translate(c, left + w / 2, top + h / 2);
        cairo_scale(c, (w - 1) / 2, (h - 1) / 2);
        cairo_arc(c, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_restore(c);
    };
    COLORREF fill;
    if (ResolveBrush(dc->m_state.brush, &fill)) {
        path();
        SetSourceColor(c, fill);
        cairo_fill(c);
    }
    COLORREF penColor;
    int width, style;
    if (ResolvePen(dc->m_state.pen, &penColor, &width, &style)) {
        path();
        PreparePen(c, penColor, width, style);
        cairo_stroke(c);
    }
    return TRUE;
}

BOOL WINAPI MoveToEx(HDC handle, int x, int y, LPPOINT old) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->m_state.penPosition;
    dc->m_state.penPosition = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = Prepared(handle);
    if (!dc)
        return FALSE;
    POINT from = dc->m_state.penPosition;
    dc->m_state.penPosition = POINT{x, y};
    COLORREF color;
    int width, style;
    if (!ResolvePen(dc->m_state.pen, &color, &width, &style))
        return TRUE;
    // Pixel-centre line from the start up to, not including, the end point.
    double dx = x - from.x;
    double dy = y - from.y;
    double length = std::hypot(dx, dy);
    if (length == 0)
        return TRUE;
    double endX = x - dx / length;
    double endY = y - dy / length;
    PreparePen(dc->m_cairo, color, width, style);
    cairo_set_line_cap(dc->m_cairo, CAIRO_LINE_CAP_SQUARE);
    cairo_move_to(dc->m_cairo, from.x + 0.5, from.y + 0.5);
    cairo_line_to(dc->m_cairo, endX + 0.5, endY + 0.5);
    cairo_stroke(dc->m_cairo);
    return TRUE;
}

BOOL WINAPI Polygon(HDC handle, const POINT* points, int count) {
    DeviceContext* dc = Prepared(handle);
    if (!dc || !points || count < 2)
        return FALSE;
    cairo_t* c = dc->m_cairo;
    auto path = [&](double offset) {
        cairo_move_to(c, points[0].x + offset, points[0].y + offset);
        for (int i = 1; i < count; ++i)
            cairo_line_to(c, points[i].x + offset, points[i].y + offset);
        cairo_close_path(c);
    };
    COLORREF fill;
    if (ResolveBrush(dc->m_state.brush, &fill)) {
        path(0.0);
        cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
        SetSourceColor(c, fill);
        cairo_fill(c);
    }
    COLORREF penColor;
    int width, style;
    if (ResolvePen(dc->m_state.pen, &penColor, &width, &style)) {
        path(0.5);
        PreparePen(c, penColor, width, style);
        cairo_stroke(c);
    }
    return TRUE;
}

COLORREF WINAPI SetPixel(HDC handle, int x, int y, COLORREF color) {
    DeviceContext* dc = Prepared(handle);
    if (!dc)
        return CLR_INVALID;
    if (!cairo_in_clip(dc->m_cairo, x + 0.5, y + 0.5))
        return CLR_INVALID;
    FillBox(dc->m_cairo, x, y, 1, 1, color & 0x00FFFFFF);
    return color & 0x00FFFFFF;
}

COLORREF WINAPI GetPixel(HDC handle, int x, int y) {
    DeviceContext* dc = Prepared(handle);
    if (!dc || !cairo_in_clip(dc->m_cairo, x + 0.5, y + 0.5))
        return CLR_INVALID;
    double dx = x, dy = y;
    cairo_user_to_device(dc->m_cairo, &dx, &dy);
    cairo_surface_t* surface = cairo_get_target(dc->m_cairo);
    cairo_surface_flush(surface);
    int px = static_cast<int>(dx), py = static_cast<int>(dy);
    if (px < 0 || py < 0 || px >= cairo_image_surface_get_width(surface) ||
        py >= cairo_image_surface_get_height(surface))
        return CLR_INVALID;
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + py * cairo_image_surface_get_stride(surface);
    uint32_t argb = reinterpret_cast<const uint32_t*>(row)[px];
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Each GRADIENT_RECT names its upper-left and lower-right vertices; the colour runs from the first to
// the second across (GRADIENT_FILL_RECT_H) or down (GRADIENT_FILL_RECT_V). A channel's full value
// is 0xFF00, as Windows scales COLOR16.
BOOL WINAPI GradientFill(HDC handle, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh, ULONG meshCount,
                         ULONG mode) {
    DeviceContext* dc = Prepared(handle);
    if (!dc || !vertices || !mesh || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V))
        return FALSE;
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    cairo_t* c = dc->m_cairo;
    auto addStop = [](cairo_pattern_t* pattern, double offset, const TRIVERTEX& v) {
        cairo_pattern_add_color_stop_rgb(pattern, offset, v.Red / 65280.0, v.Green / 65280.0,
                                         v.Blue / 65280.0);
    };
    for (ULONG i = 0; i < meshCount; ++i) {
        if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount)
            return FALSE;
        const TRIVERTEX& from = vertices[rects[i].UpperLeft];
        const TRIVERTEX& to = vertices[rects[i].LowerRight];
        cairo_pattern_t* gradient = mode == GRADIENT_FILL_RECT_H
                                        ? cairo_pattern_create_linear(from.x, 0, to.x, 0)
                                        : cairo_pattern_create_linear(0, from.y, 0, to.y);
        addStop(gradient, 0, from);
        addStop(gradient, 1, to);
        cairo_set_source(c, gradient);
        cairo_rectangle(c, from.x, from.y, to.x - from.x, to.y - from.y);
        cairo_fill(c);
        cairo_pattern_destroy(gradient);
    }
    return TRUE;
}
}
