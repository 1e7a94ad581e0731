#include "win32/input_messages.h"

#include "core/geometry.h"

#include <windowsx.h>

namespace standin {

POINT ScreenPointOfMouseMessage(const MSG& msg) {
    POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (IsNonClientMouseMessage(msg.message))
        return pt;
    Window* window = LookupWindow(msg.hwnd);
    if (!window)
        return msg.pt;
    POINT origin = ClientOriginOnScreen(*window);
    return POINT{origin.x + pt.x, origin.y + pt.y};
}

} // namespace standin
