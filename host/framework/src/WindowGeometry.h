// Where a restored window goes: pure arithmetic on rectangles, kept apart from the store so that
// it can be checked without windows.
#pragma once

#include <windows.h>

namespace brio::detail {

// The saved rectangle, made no smaller than the window is now (at restore time that is its
// template size, the smallest the dialog lays out), then no larger than the screen, then moved
// so that it lies wholly on the screen. All rectangles are in screen coordinates.
RECT placeRestoredWindow(const RECT& saved, const RECT& current, SIZE screen);

} // namespace brio::detail
