// Pictures of windows for PNG files and pixel probes: the top-level window is repainted completely
// through the ordinary paint messages (frame, caption and every visible child, each control painting
// itself on WM_PAINT as on Windows), then gdi hands out what its picture holds.
#include "core/geometry.h"
#include "gdi/gdi.h"
#include "win32/internal.h"

namespace standin {
namespace {

// The top-level window that holds hwnd, painted afresh; null when there is none to picture.
HWND RepaintedRoot(HWND hwnd) {
    HWND root = RootOf(hwnd);
    if (!root || root == DesktopWindow())
        return nullptr;
    InvalidateWindow(root, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    UpdateSubtreeNow(root, true);
    return LookupWindow(root) ? root : nullptr;
}

} // namespace

void* RenderWindowSurface(HWND hwnd) {
    HWND root = RepaintedRoot(hwnd);
    return root ? CopyOfRootPicture(root) : nullptr;
}

void* ShownWindowSurface(HWND hwnd) {
    HWND root = RootOf(hwnd);
    return root && root != DesktopWindow() && LookupWindow(root) ? CopyOfRootPicture(root) : nullptr;
}

WindowPicture TakeWindowPicture(HWND hwnd) {
    HWND root = RepaintedRoot(hwnd);
    return root ? PixelsOfRootPicture(root) : WindowPicture{};
}

COLORREF ReadPixel(HWND hwnd, int x, int y) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return CLR_INVALID;
    POINT origin = ClientOriginInRoot(*window);
    HWND root = RepaintedRoot(hwnd);
    return root ? PixelOfRootPicture(root, POINT{origin.x + x, origin.y + y}) : CLR_INVALID;
}

} // namespace standin
