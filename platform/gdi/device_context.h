// Device contexts as the window manager and the drawing functions see them. A DC of a window draws into
// the picture of its top-level window, moved to the window's client (or window) origin and clipped to
// what of the window can be seen: its area, inside every ancestor's client area, without the children
// when the window has WS_CLIPCHILDREN, and inside the paint rectangle for BeginPaint.
#pragma once

#include <windows.h>

#include <cairo.h>

#include <vector>

namespace standin {

enum class DcArea {
    Client,    // GetDC, BeginPaint: the client area
    Window,    // GetWindowDC: the whole window
    NonClient, // WM_NCPAINT: the window without its client area
};

// `paintRect` (in the area's coordinates) narrows the clip further; null: no narrowing.
HDC OpenWindowDc(HWND hwnd, DcArea area, const RECT* paintRect);
BOOL CloseDc(HDC dc);

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
int LiveDcCount();
// Puts the DC's origin and viewport origin into the cairo matrix before a drawing call.
void ApplyViewport(DeviceContext& dc);
void SetSourceColor(cairo_t* cairo, COLORREF color);
// The colour a brush paints with; false for a hollow or invalid brush. Accepts (HBRUSH)(COLOR_* + 1).
bool ResolveBrush(HBRUSH brush, COLORREF* color);

} // namespace standin
