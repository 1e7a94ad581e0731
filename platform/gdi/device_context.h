// Device contexts as the window manager and the drawing functions see them. A DC of a window draws into
// the picture of its top-level window, moved to the window's client (or window) origin and clipped to
// what of it can be seen.
#pragma once

#include <windows.h>

#include <cairo.h>
#include <pango/pango.h>

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
    DcState m_state;
    struct Saved {
        DcState state;
    };
    std::vector<Saved> m_saved;
};

DeviceContext* LookupDc(HDC dc);
// Applies the DC's viewport origin: drawing calls go through this before using the cairo context.
void ApplyViewport(DeviceContext& dc);

} // namespace standin
