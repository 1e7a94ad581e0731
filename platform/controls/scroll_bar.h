// A classic scroll bar drawn inside a control's client area (the list view and the combo box's
// drop-down list keep their scroll bars themselves): its geometry, its look, and what a click on
// it means. Positions are in items (rows) or pixels, whatever the owner counts in.
#pragma once

#include <windows.h>

namespace controls {

struct ScrollBarState {
    bool vertical = true;
    int position = 0; // first item shown
    int page = 1;     // items shown at once
    int total = 0;    // items in all
    int maxPosition() const { return total > page ? total - page : 0; }
};

enum class ScrollPart { None, LineBack, PageBack, Thumb, PageForward, LineForward };

// Width of a vertical bar, height of a horizontal one (SM_CXVSCROLL, 16 when the system says 0).
int ScrollBarThickness();

RECT ScrollThumbRect(const RECT& bar, const ScrollBarState& state);
ScrollPart ScrollBarHitTest(const RECT& bar, const ScrollBarState& state, POINT pt);
// The position a thumb dragged so that its leading edge is at `pixel` stands for.
int ScrollPositionForThumb(const RECT& bar, const ScrollBarState& state, int pixel);
// The new position after a click on `part` (Thumb and None leave it as it is).
int ScrollPositionAfter(const ScrollBarState& state, ScrollPart part);

void PaintScrollBar(HDC dc, const RECT& bar, const ScrollBarState& state);

} // namespace controls
