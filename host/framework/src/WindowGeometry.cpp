#include "WindowGeometry.h"

#include <algorithm>

namespace brio::detail {

RECT placeRestoredWindow(const RECT& saved, const RECT& current, SIZE screen) {
    const LONG currentWidth = std::max<LONG>(current.right - current.left, 0);
    const LONG currentHeight = std::max<LONG>(current.bottom - current.top, 0);
    LONG width = std::max<LONG>(saved.right - saved.left, currentWidth);
    LONG height = std::max<LONG>(saved.bottom - saved.top, currentHeight);
    width = std::min<LONG>(width, std::max<LONG>(screen.cx, 0));
    height = std::min<LONG>(height, std::max<LONG>(screen.cy, 0));
    const LONG left = std::clamp<LONG>(saved.left, 0, screen.cx - width);
    const LONG top = std::clamp<LONG>(saved.top, 0, screen.cy - height);
    return RECT{left, top, left + width, top + height};
}

} // namespace brio::detail
