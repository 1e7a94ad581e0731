// Which messages are input, by the ranges Windows names, and where a mouse message points.
#pragma once

#include <windows.h>

namespace standin {

inline bool IsKeyMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}
inline bool IsClientMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}
// WM_NCMOUSEMOVE to WM_NCMBUTTONDBLCLK: the non-client forms of the move and the three buttons.
inline bool IsNonClientMouseMessage(UINT message) {
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}
inline bool IsMouseMessage(UINT message) {
    return IsClientMouseMessage(message) || IsNonClientMouseMessage(message);
}

// The screen point a mouse message refers to: non-client messages carry screen coordinates,
// client ones the coordinates of the window they were posted to.
POINT ScreenPointOfMouseMessage(const MSG& msg);

} // namespace standin
