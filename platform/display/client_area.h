// Where the client area of a top-level window lies in the picture of its outer rectangle, for the
// PNG writers of both platforms.
#pragma once

#include <windows.h>

namespace display {

// False when `hwnd` is no top-level window.
inline bool ClientAreaInPicture(HWND hwnd, RECT* part) {
    RECT outer{};
    POINT origin{0, 0};
    if (GetAncestor(hwnd, GA_ROOT) != hwnd || !GetWindowRect(hwnd, &outer) || !GetClientRect(hwnd, part) ||
        !ClientToScreen(hwnd, &origin))
        return false;
    OffsetRect(part, origin.x - outer.left, origin.y - outer.top);
    return true;
}

} // namespace display
