// What the window manager asks of GDI: device contexts on a window's picture, the fonts it makes
// itself, the pictures of top-level windows, and what is alive. Nothing of cairo or pango shows
// here; they stay inside gdi (and display).
#pragma once

#include "core/window.h"

#include <windows.h>

#include <vector>

#include <standin/hooks.h>

namespace standin {

// ---- device contexts of windows (device_context.cpp) --------------------------------------------------
enum class DcArea {
    Client,    // GetDC, BeginPaint: the client area
    Window,    // GetWindowDC: the whole window
    NonClient, // WM_NCPAINT: the window without its client area
};
// A DC of a window draws into the picture of its top-level window, moved to the window's client (or
// window) origin and clipped to what of the window can be seen: its area, inside every ancestor's
// client area, without the children when the window has WS_CLIPCHILDREN, and inside `paintParts` (in
// the area's coordinates; null: no narrowing) for BeginPaint.
HDC OpenWindowDc(HWND hwnd, DcArea area, const std::vector<RECT>* paintParts);
BOOL CloseDc(HDC dc);
int LiveDcCount();

// ---- fonts the window manager makes itself (gdi_objects.cpp) ----------------------------------------
// Dialog fonts and captions; `stock` ones are never counted.
HFONT MakeFont(const LOGFONTW& logFont, bool stock);
HFONT CaptionFont(); // bold 9-point dialog face, for captions

struct LiveGdiCounts {
    int fonts = 0;
    int brushes = 0;
    int pens = 0;
};
LiveGdiCounts CountLiveGdiObjects();
int LiveIconCount(); // icons.cpp

// ---- pictures of top-level windows (window_surfaces.cpp) ---------------------------------------------
// The window's picture goes with it.
void ReleaseWindowSurface(Window& window);
// The picture of a top-level window as it stands (repainting is the window manager's part): a new
// ARGB32 cairo image the caller destroys, as RenderWindowSurface hands it out; null for the desktop.
void* CopyOfRootPicture(HWND root);
// Moves the pixels of `from` (window coordinates of the top-level window) by `by`, as a moved child's
// pixels go with it; what `from` leaves behind keeps its old pixels until it is painted.
void MoveRootPixels(HWND root, const RECT& from, POINT by);
// One pixel, at window coordinates of the top-level window; CLR_INVALID outside its picture.
COLORREF PixelOfRootPicture(HWND root, POINT at);
WindowPicture PixelsOfRootPicture(HWND root);

} // namespace standin
