// The classic 3-D look: DrawEdge, DrawFrameControl (push buttons, check boxes, radio buttons, caption
// buttons, scroll arrows, the size grip), DrawFocusRect and DrawIconEx. Glyphs are small pixel patterns
// drawn at the centre of the rectangle, so every control gets the same crisp picture everywhere.
//
// Does NOT: draw themed (visual styles) parts, DFC_POPUPMENU, DFCS_FLAT / DFCS_MONO variants of buttons
// (they draw as the 3-D ones), or icons other than the stand-in's one-colour icons.
#include "gdi/device_context.h"

#include <algorithm>
#include <numbers>
#include <string_view>

namespace standin {
namespace {

void Box(cairo_t* c, double x, double y, double w, double h, COLORREF color) {
    if (w <= 0 || h <= 0)
        return;
    SetSourceColor(c, color);
    cairo_rectangle(c, x, y, w, h);
    cairo_fill(c);
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

// One ring of an edge: top and left in `light`, right and bottom (owning the corners) in `dark`.
void Ring(cairo_t* c, RECT& r, UINT sides, COLORREF light, COLORREF dark) {
    LONG w = r.right - r.left;
    LONG h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    if (sides & BF_TOP)
        Box(c, r.left, r.top, w - ((sides & BF_RIGHT) ? 1 : 0), 1, light);
    if (sides & BF_LEFT)
        Box(c, r.left, r.top, 1, h - ((sides & BF_BOTTOM) ? 1 : 0), light);
    if (sides & BF_RIGHT)
        Box(c, r.right - 1, r.top, 1, h, dark);
    if (sides & BF_BOTTOM)
        Box(c, r.left, r.bottom - 1, w, 1, dark);
    if (sides & BF_LEFT)
        r.left++;
    if (sides & BF_TOP)
        r.top++;
    if (sides & BF_RIGHT)
        r.right--;
    if (sides & BF_BOTTOM)
        r.bottom--;
}

void Edge(cairo_t* c, RECT& r, UINT edge, UINT flags) {
    UINT sides = flags & BF_RECT;
    if (flags & BF_MONO) {
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
            Ring(c, r, sides, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME));
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
            Ring(c, r, sides, Sys(COLOR_WINDOW), Sys(COLOR_WINDOW));
    } else if (flags & BF_FLAT) {
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
            Ring(c, r, sides, Sys(COLOR_3DSHADOW), Sys(COLOR_3DSHADOW));
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
            Ring(c, r, sides, Sys(COLOR_3DFACE), Sys(COLOR_3DFACE));
    } else {
        if (edge & BDR_RAISEDOUTER)
            Ring(c, r, sides, Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW));
        else if (edge & BDR_SUNKENOUTER)
            Ring(c, r, sides, Sys(COLOR_3DSHADOW), Sys(COLOR_3DHILIGHT));
        if (edge & BDR_RAISEDINNER)
            Ring(c, r, sides, Sys(COLOR_3DHILIGHT), Sys(COLOR_3DSHADOW));
        else if (edge & BDR_SUNKENINNER)
            Ring(c, r, sides, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
    }
    if (flags & BF_MIDDLE)
        Box(c, r.left, r.top, r.right - r.left, r.bottom - r.top, Sys(COLOR_3DFACE));
}

// A glyph as rows of 'X' (ink) and '.' (none), drawn centred in `r`, moved by `shift` when pressed.
void Glyph(cairo_t* c, const RECT& r, std::initializer_list<std::string_view> rows, COLORREF color,
           int shift = 0) {
    int h = static_cast<int>(rows.size());
    int w = h ? static_cast<int>(rows.begin()->size()) : 0;
    int x0 = r.left + (r.right - r.left - w) / 2 + shift;
    int y0 = r.top + (r.bottom - r.top - h) / 2 + shift;
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            if (row[static_cast<size_t>(x)] == 'X')
                Box(c, x0 + x, y0 + y, 1, 1, color);
        ++y;
    }
}

// Grey glyphs of disabled parts are etched: a white copy one pixel down-right under a shadow one.
void StateGlyph(cairo_t* c, const RECT& r, std::initializer_list<std::string_view> rows, UINT state) {
    int shift = (state & DFCS_PUSHED) ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        Glyph(c, r, rows, Sys(COLOR_3DHILIGHT), shift + 1);
        Glyph(c, r, rows, Sys(COLOR_3DSHADOW), shift);
    } else {
        Glyph(c, r, rows, Sys(COLOR_BTNTEXT), shift);
    }
}

void ButtonFace(cairo_t* c, RECT& r, UINT state) {
    if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        Ring(c, r, BF_RECT, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DDKSHADOW));
        Ring(c, r, BF_RECT, Sys(COLOR_3DSHADOW), Sys(COLOR_3DSHADOW));
        Box(c, r.left, r.top, r.right - r.left, r.bottom - r.top, Sys(COLOR_3DFACE));
    } else {
        Edge(c, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

void CheckBox(cairo_t* c, const RECT& r, UINT state) {
    int size = std::min<int>(13, std::min(r.right - r.left, r.bottom - r.top));
    RECT box{r.left, r.top + (r.bottom - r.top - size) / 2, r.left + size, 0};
    box.bottom = box.top + size;
    Edge(c, box, EDGE_SUNKEN, BF_RECT);
    bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    Box(c, box.left, box.top, box.right - box.left, box.bottom - box.top,
        Sys(grey ? COLOR_3DFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        Glyph(c, box, {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."},
              Sys((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
}

void HalfCircle(cairo_t* c, double cx, double cy, double radius, bool upperLeft, COLORREF color) {
    SetSourceColor(c, color);
    cairo_new_path(c);
    cairo_arc(c, cx, cy, radius, upperLeft ? 0.75 * std::numbers::pi : -0.25 * std::numbers::pi,
              upperLeft ? 1.75 * std::numbers::pi : 0.75 * std::numbers::pi);
    cairo_close_path(c);
    cairo_fill(c);
}

void RadioButton(cairo_t* c, const RECT& r, UINT state) {
    int size = std::min<int>(12, std::min(r.right - r.left, r.bottom - r.top));
    double cx = r.left + size / 2.0;
    double cy = r.top + (r.bottom - r.top) / 2.0;
    HalfCircle(c, cx, cy, size / 2.0, true, Sys(COLOR_3DSHADOW));
    HalfCircle(c, cx, cy, size / 2.0, false, Sys(COLOR_3DHILIGHT));
    HalfCircle(c, cx, cy, size / 2.0 - 1, true, Sys(COLOR_3DDKSHADOW));
    HalfCircle(c, cx, cy, size / 2.0 - 1, false, Sys(COLOR_3DLIGHT));
    bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    SetSourceColor(c, Sys(grey ? COLOR_3DFACE : COLOR_WINDOW));
    cairo_new_path(c);
    cairo_arc(c, cx, cy, size / 2.0 - 2, 0, 2 * std::numbers::pi);
    cairo_fill(c);
    if (state & DFCS_CHECKED) {
        SetSourceColor(c, Sys((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        cairo_new_path(c);
        cairo_arc(c, cx, cy, 2.2, 0, 2 * std::numbers::pi);
        cairo_fill(c);
    }
}

void CaptionButton(cairo_t* c, RECT r, UINT state) {
    ButtonFace(c, r, state);
    switch (state & 0xF) {
    case DFCS_CAPTIONCLOSE:
        StateGlyph(c, r, {"XX....XX", ".XX..XX.", "..XXXX..", "...XX...", "..XXXX..", ".XX..XX.", "XX....XX"},
                   state);
        break;
    case DFCS_CAPTIONHELP:
        StateGlyph(c, r,
                   {".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..", "..XX.."},
                   state);
        break;
    case DFCS_CAPTIONMIN:
        StateGlyph(c, r, {"......", "......", "......", "......", "......", "......", "XXXXXX", "XXXXXX"},
                   state);
        break;
    default: // maximise and restore
        StateGlyph(c, r,
                   {"XXXXXXXXX", "XXXXXXXXX", "X.......X", "X.......X", "X.......X", "X.......X", "X.......X",
                    "XXXXXXXXX"},
                   state);
        break;
    }
}

// Diagonal grooves in the bottom-right corner: light and shadow lines by distance from the corner.
void SizeGrip(cairo_t* c, const RECT& r) {
    Box(c, r.left, r.top, r.right - r.left, r.bottom - r.top, Sys(COLOR_3DFACE));
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int distance = (w - 1 - x) + (h - 1 - y);
            if (distance < 1 || distance > 11)
                continue;
            int phase = distance % 4;
            if (phase == 1)
                Box(c, r.left + x, r.top + y, 1, 1, Sys(COLOR_3DHILIGHT));
            else if (phase == 2 || phase == 3)
                Box(c, r.left + x, r.top + y, 1, 1, Sys(COLOR_3DSHADOW));
        }
    }
}

void ScrollButton(cairo_t* c, RECT r, UINT state) {
    UINT kind = state & 0xF;
    if (kind == DFCS_SCROLLSIZEGRIP) {
        SizeGrip(c, r);
        return;
    }
    if (state & DFCS_PUSHED) {
        Ring(c, r, BF_RECT, Sys(COLOR_3DSHADOW), Sys(COLOR_3DSHADOW));
        Box(c, r.left, r.top, r.right - r.left, r.bottom - r.top, Sys(COLOR_3DFACE));
    } else {
        Edge(c, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    switch (kind) {
    case DFCS_SCROLLUP:
        StateGlyph(c, r, {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX"}, state);
        break;
    case DFCS_SCROLLLEFT:
        StateGlyph(c, r, {"...X", "..XX", ".XXX", "XXXX", ".XXX", "..XX", "...X"}, state);
        break;
    case DFCS_SCROLLRIGHT:
        StateGlyph(c, r, {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."}, state);
        break;
    default: // down and the combo box arrow
        StateGlyph(c, r, {"XXXXXXX", ".XXXXX.", "..XXX..", "...X..."}, state);
        break;
    }
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI DrawEdge(HDC handle, LPRECT rect, UINT edge, UINT flags) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !rect)
        return FALSE;
    ApplyViewport(*dc);
    RECT r = *rect;
    Edge(dc->m_cairo, r, edge, flags);
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

BOOL WINAPI DrawFrameControl(HDC handle, LPRECT rect, UINT type, UINT state) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !rect)
        return FALSE;
    ApplyViewport(*dc);
    cairo_t* c = dc->m_cairo;
    RECT r = *rect;
    switch (type) {
    case DFC_BUTTON:
        if (state & DFCS_BUTTONPUSH) {
            ButtonFace(c, r, state);
            if (state & DFCS_ADJUSTRECT)
                *rect = r;
        } else if ((state & 0xF) == DFCS_BUTTONRADIO) {
            RadioButton(c, r, state);
        } else {
            CheckBox(c, r, state);
        }
        return TRUE;
    case DFC_CAPTION:
        CaptionButton(c, r, state);
        return TRUE;
    case DFC_SCROLL:
        ScrollButton(c, r, state);
        return TRUE;
    case DFC_MENU:
        Glyph(c, r, {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."},
              Sys(COLOR_MENUTEXT));
        return TRUE;
    default:
        return FALSE;
    }
}

// Drawn by inverting, so a second call with the same rectangle takes the focus rectangle away again.
BOOL WINAPI DrawFocusRect(HDC handle, const RECT* rect) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !rect)
        return FALSE;
    ApplyViewport(*dc);
    cairo_t* c = dc->m_cairo;
    cairo_save(c);
    cairo_set_operator(c, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(c, 1, 1, 1);
    for (LONG x = rect->left; x < rect->right; x += 2) {
        cairo_rectangle(c, x, rect->top, 1, 1);
        if (rect->bottom - 1 > rect->top)
            cairo_rectangle(c, x, rect->bottom - 1, 1, 1);
    }
    for (LONG y = rect->top + 2; y < rect->bottom - 1; y += 2) {
        cairo_rectangle(c, rect->left, y, 1, 1);
        if (rect->right - 1 > rect->left)
            cairo_rectangle(c, rect->right - 1, y, 1, 1);
    }
    cairo_fill(c);
    cairo_restore(c);
    return TRUE;
}

BOOL WINAPI DrawIconEx(HDC handle, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT) {
    DeviceContext* dc = LookupDc(handle);
    COLORREF color;
    if (!dc || !IconColor(icon, &color))
        return FALSE;
    ApplyViewport(*dc);
    if (cx <= 0)
        cx = 32;
    if (cy <= 0)
        cy = 32;
    cairo_t* c = dc->m_cairo;
    Box(c, x, y, cx, cy, RGB(GetRValue(color) / 2, GetGValue(color) / 2, GetBValue(color) / 2));
    Box(c, x + 1, y + 1, cx - 2, cy - 2, color);
    return TRUE;
}
}
