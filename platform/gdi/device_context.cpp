// The DC table and the attributes of a DC: selected objects, colours, background mode, viewport
// origin, saved states.
//
// Does NOT: support memory DCs and bitmaps (CreateCompatibleDC), mapping modes other than MM_TEXT,
// text alignment, ROP2 modes, or class and private DCs (every DC is a common one, released by its
// caller). Drawing on the screen DC (GetDC(NULL)) goes nowhere; it serves to measure text.
#include "gdi/device_context.h"

#include "gdi/gdi_objects.h"
#include "core/geometry.h"
#include "core/handle_table.h"
#include "core/ui_thread.h"
#include "core/window_tree.h"

namespace standin {

DeviceContext::~DeviceContext() {
    if (m_cairo)
        cairo_destroy(m_cairo);
}

namespace {

using DcTable = HandleTable<DeviceContext, HandleKind::Dc>;

DcTable& Dcs() {
    static DcTable table;
    return table;
}

cairo_surface_t* ScreenSurface() {
    static cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    return surface;
}

void HoldState(const DcState& state) {
    HoldGdiObject(state.font);
    HoldGdiObject(state.brush);
    HoldGdiObject(state.pen);
}

void ReleaseState(const DcState& state) {
    ReleaseGdiObject(state.font);
    ReleaseGdiObject(state.brush);
    ReleaseGdiObject(state.pen);
}

RECT Offset(RECT rect, POINT by) {
    OffsetRect(&rect, by.x, by.y);
    return rect;
}

cairo_rectangle_int_t ToCairo(const RECT& rect) {
    return cairo_rectangle_int_t{rect.left, rect.top, std::max<int>(0, rect.right - rect.left),
                                 std::max<int>(0, rect.bottom - rect.top)};
}

void Intersect(cairo_region_t* region, const RECT& rect) {
    cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_intersect_rectangle(region, &r);
}

void Subtract(cairo_region_t* region, const RECT& rect) {
    cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_subtract_rectangle(region, &r);
}

// What of `window`'s chosen area can be seen in the picture of its top-level window.
cairo_region_t* VisibleRegion(const Window& window, DcArea area, const std::vector<RECT>* paintParts,
                              POINT* origin) {
    POINT windowOrigin = WindowOriginInRoot(window);
    RECT whole{windowOrigin.x, windowOrigin.y, windowOrigin.x + window.m_rect.right - window.m_rect.left,
               windowOrigin.y + window.m_rect.bottom - window.m_rect.top};
    RECT client = ClientInRoot(window);
    RECT areaRect = area == DcArea::Client ? client : whole;
    *origin = POINT{areaRect.left, areaRect.top};
    cairo_rectangle_int_t start = ToCairo(areaRect);
    cairo_region_t* region = cairo_region_create_rectangle(&start);
    for (Window* parent = LookupWindow(window.Parent()); parent; parent = LookupWindow(parent->Parent()))
        Intersect(region, ClientInRoot(*parent));
    if (paintParts) {
        cairo_region_t* paint = cairo_region_create();
        for (const RECT& part : *paintParts) {
            cairo_rectangle_int_t r = ToCairo(Offset(part, *origin));
            cairo_region_union_rectangle(paint, &r);
        }
        cairo_region_intersect(region, paint);
        cairo_region_destroy(paint);
    }
    if (area == DcArea::NonClient)
        Subtract(region, client);
    if (area == DcArea::Client && (window.m_style & WS_CLIPCHILDREN)) {
        for (HWND child : window.Children()) {
            Window* c = LookupWindow(child);
            if (!c || !(c->m_style & WS_VISIBLE))
                continue;
            POINT childOrigin = WindowOriginInRoot(*c);
            Subtract(region,
                     RECT{childOrigin.x, childOrigin.y, childOrigin.x + c->m_rect.right - c->m_rect.left,
                          childOrigin.y + c->m_rect.bottom - c->m_rect.top});
        }
    }
    return region;
}

int ClipComplexity(cairo_t* cairo) {
    double x1, y1, x2, y2;
    cairo_clip_extents(cairo, &x1, &y1, &x2, &y2);
    return (x2 <= x1 || y2 <= y1) ? NULLREGION : SIMPLEREGION;
}

void ClipTo(cairo_t* cairo, cairo_region_t* region) {
    int count = cairo_region_num_rectangles(region);
    cairo_new_path(cairo);
    for (int i = 0; i < count; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region, i, &r);
        cairo_rectangle(cairo, r.x, r.y, r.width, r.height);
    }
    if (count == 0)
        cairo_rectangle(cairo, 0, 0, 0, 0);
    cairo_clip(cairo);
}

} // namespace

HDC OpenWindowDc(HWND hwnd, DcArea area, const std::vector<RECT>* paintParts) {
    if (!OnUiThread())
        return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    Window* window = LookupWindow(hwnd);
    if (!window || window->m_isDesktop) {
        dc->m_cairo = cairo_create(ScreenSurface());
    } else {
        dc->m_window = hwnd;
        dc->m_cairo = cairo_create(SurfaceOfRoot(RootOf(hwnd)));
        cairo_region_t* region = VisibleRegion(*window, area, paintParts, &dc->m_origin);
        ClipTo(dc->m_cairo, region);
        cairo_region_destroy(region);
    }
    cairo_set_antialias(dc->m_cairo, CAIRO_ANTIALIAS_NONE); // GDI draws crisp pixels; text has its own
    dc->m_state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    dc->m_state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->m_state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    HoldState(dc->m_state);
    return reinterpret_cast<HDC>(Dcs().Insert(std::move(dc)));
}

BOOL CloseDc(HDC handle) {
    if (!OnUiThread())
        return FALSE;
    std::unique_ptr<DeviceContext> dc = Dcs().Erase(handle);
    if (!dc)
        return FALSE;
    ReleaseState(dc->m_state);
    for (const DcState& saved : dc->m_saved)
        ReleaseState(saved);
    return TRUE;
}

DeviceContext* LookupDc(HDC dc) {
    if (!dc || !OnUiThread())
        return nullptr;
    return Dcs().Find(dc);
}

int LiveDcCount() {
    return OnUiThread() ? Dcs().Count() : 0;
}

void ApplyViewport(DeviceContext& dc) {
    cairo_identity_matrix(dc.m_cairo);
    cairo_translate(dc.m_cairo, dc.m_origin.x + dc.m_state.viewportOrigin.x,
                    dc.m_origin.y + dc.m_state.viewportOrigin.y);
}

void SetSourceColor(cairo_t* cairo, COLORREF color) {
    cairo_set_source_rgb(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

bool ResolveBrush(HBRUSH brush, COLORREF* color) {
    auto value = reinterpret_cast<uintptr_t>(brush);
    if (value >= 1 && value <= 31) { // (HBRUSH)(COLOR_* + 1), as window classes and FillRect take it
        *color = GetSysColor(static_cast<int>(value - 1));
        return true;
    }
    GdiObject* object = LookupHeldGdiObject(brush);
    if (!object || object->m_kind != GdiKind::Brush || object->m_hollow)
        return false;
    *color = BrushColor(*object);
    return true;
}

} // namespace standin

using namespace standin;

extern "C" {

HDC WINAPI GetDC(HWND hwnd) {
    if (hwnd && !LookupWindowOrFail(hwnd))
        return nullptr;
    return OpenWindowDc(hwnd, DcArea::Client, nullptr);
}

HDC WINAPI GetWindowDC(HWND hwnd) {
    if (hwnd && !LookupWindowOrFail(hwnd))
        return nullptr;
    return OpenWindowDc(hwnd, DcArea::Window, nullptr);
}

// The DC goes even when its window went first; the window handle is not checked, as on Windows.
int WINAPI ReleaseDC(HWND, HDC dc) {
    return CloseDc(dc) ? 1 : 0;
}

int WINAPI SaveDC(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return 0;
    HoldState(dc->m_state);
    dc->m_saved.push_back(dc->m_state);
    cairo_save(dc->m_cairo);
    return static_cast<int>(dc->m_saved.size());
}

// `saved` > 0 is the level SaveDC returned; < 0 counts back from the latest save.
BOOL WINAPI RestoreDC(HDC handle, int saved) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return FALSE;
    int levels = static_cast<int>(dc->m_saved.size());
    int target = saved > 0 ? saved : levels + saved + 1;
    if (target < 1 || target > levels)
        return FALSE;
    while (static_cast<int>(dc->m_saved.size()) >= target) {
        ReleaseState(dc->m_state);
        dc->m_state = dc->m_saved.back();
        dc->m_saved.pop_back();
        cairo_restore(dc->m_cairo);
    }
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC handle, HGDIOBJ object) {
    DeviceContext* dc = LookupDc(handle);
    GdiObject* gdi = LookupGdiObject(object);
    if (!dc || !gdi) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HGDIOBJ old = nullptr;
    switch (gdi->m_kind) {
    case GdiKind::Font:
        old = dc->m_state.font;
        dc->m_state.font = static_cast<HFONT>(object);
        break;
    case GdiKind::Brush:
        old = dc->m_state.brush;
        dc->m_state.brush = static_cast<HBRUSH>(object);
        break;
    case GdiKind::Pen:
        old = dc->m_state.pen;
        dc->m_state.pen = static_cast<HPEN>(object);
        break;
    }
    HoldGdiObject(object);
    ReleaseGdiObject(old);
    return old;
}

HGDIOBJ WINAPI GetCurrentObject(HDC handle, UINT type) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_FONT:
        return dc->m_state.font;
    case OBJ_BRUSH:
        return dc->m_state.brush;
    case OBJ_PEN:
        return dc->m_state.pen;
    default:
        return nullptr;
    }
}

COLORREF WINAPI SetBkColor(HDC handle, COLORREF color) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return CLR_INVALID;
    COLORREF old = dc->m_state.backColor;
    dc->m_state.backColor = color & 0x00FFFFFF;
    return old;
}

COLORREF WINAPI GetBkColor(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->m_state.backColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC handle, int mode) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    int old = dc->m_state.backMode;
    dc->m_state.backMode = mode;
    return old;
}

int WINAPI GetBkMode(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->m_state.backMode : 0;
}

COLORREF WINAPI SetTextColor(HDC handle, COLORREF color) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return CLR_INVALID;
    COLORREF old = dc->m_state.textColor;
    dc->m_state.textColor = color & 0x00FFFFFF;
    return old;
}

COLORREF WINAPI GetTextColor(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->m_state.textColor : CLR_INVALID;
}

BOOL WINAPI SetViewportOrgEx(HDC handle, int x, int y, LPPOINT old) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->m_state.viewportOrigin;
    dc->m_state.viewportOrigin = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetViewportOrgEx(HDC handle, LPPOINT org) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !org)
        return FALSE;
    *org = dc->m_state.viewportOrigin;
    return TRUE;
}

// Both answer NULLREGION when nothing is left to draw on, SIMPLEREGION otherwise (a clip with a hole
// counts as simple: callers only tell empty from not), 0 on error.
int WINAPI IntersectClipRect(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return 0;
    ApplyViewport(*dc);
    cairo_new_path(dc->m_cairo);
    cairo_rectangle(dc->m_cairo, left, top, std::max(0, right - left), std::max(0, bottom - top));
    cairo_clip(dc->m_cairo);
    return ClipComplexity(dc->m_cairo);
}

// The rectangle leaves the clip: what is kept is everything else, an even-odd path of the clip's
// extents around the rectangle.
int WINAPI ExcludeClipRect(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return 0;
    ApplyViewport(*dc);
    double x1, y1, x2, y2;
    cairo_clip_extents(dc->m_cairo, &x1, &y1, &x2, &y2);
    cairo_new_path(dc->m_cairo);
    cairo_rectangle(dc->m_cairo, x1, y1, x2 - x1, y2 - y1);
    cairo_rectangle(dc->m_cairo, left, top, std::max(0, right - left), std::max(0, bottom - top));
    const cairo_fill_rule_t rule = cairo_get_fill_rule(dc->m_cairo);
    cairo_set_fill_rule(dc->m_cairo, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(dc->m_cairo);
    cairo_set_fill_rule(dc->m_cairo, rule);
    return ClipComplexity(dc->m_cairo);
}
}
