#include "plan/SheetLayout.h"

#include <algorithm>

namespace host::plan {

namespace {

constexpr int kBorderInset = 8; // the border line's distance from the sheet's edge
constexpr int kClearance = 3;   // between a summary and any line around it
constexpr int kOffset = 4;      // between the clicked point's marker and the summary

bool Fits(const RECT& room, SIZE size) {
    return size.cx <= room.right - room.left && size.cy <= room.bottom - room.top;
}

RECT Shrunk(RECT r, int by) {
    return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// One axis: after the point if there is room, else before it, else moved in; the near edge wins when
// the room is too small, so the summary's start is never lost.
LONG Place(LONG point, LONG length, LONG low, LONG high) {
    LONG start = point + kOffset;
    if (start + length > high) {
        start = point - kOffset - length;
    }
    return std::max(low, std::min(start, high - length));
}

RECT PlaceIn(const RECT& room, POINT at, SIZE size) {
    const LONG left = Place(at.x, size.cx, room.left, room.right);
    const LONG top = Place(at.y, size.cy, room.top, room.bottom);
    return RECT{left, top, left + size.cx, top + size.cy};
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

const Viewport* ViewportAt(const PlanModel& plan, POINT at) {
    for (const Viewport& view : plan.viewports()) {
        if (at.x >= view.left && at.x <= view.right && at.y >= view.top && at.y <= view.bottom) {
            return &view;
        }
    }
    return nullptr;
}

} // namespace

RECT SheetBorder() {
    return RECT{kBorderInset, kBorderInset, PlanModel::kSheetWidth - kBorderInset,
                PlanModel::kSheetHeight - kBorderInset};
}

RECT DrawingArea() {
    return Shrunk(SheetBorder(), kBorderPen / 2);
}

// Its right and bottom lines lie on the border's.
RECT TitleBlock() {
    const RECT border = SheetBorder();
    return RECT{border.right - 250, border.bottom - 58, border.right + 1, border.bottom + 1};
}

RECT PlaceSummary(const PlanModel& plan, POINT at, SIZE size) {
    if (const Viewport* view = ViewportAt(plan, at)) {
        const RECT frame = Shrunk(RECT{static_cast<LONG>(view->left), static_cast<LONG>(view->top),
                                       static_cast<LONG>(view->right), static_cast<LONG>(view->bottom)},
                                  kClearance);
        if (Fits(frame, size)) {
            return PlaceIn(frame, at, size);
        }
    }
    const RECT area = Shrunk(DrawingArea(), kClearance);
    RECT paper = PlaceIn(area, at, size);
    const RECT block = TitleBlock();
    if (!Overlap(paper, Shrunk(block, -kClearance))) {
        return paper;
    }
    // Out of the title block's corner: above it where that leaves the summary on the sheet, else left.
    if (block.top - kClearance - size.cy >= area.top) {
        OffsetRect(&paper, 0, block.top - kClearance - paper.bottom);
    } else {
        OffsetRect(&paper, std::max(area.left, block.left - kClearance - size.cx) - paper.left, 0);
    }
    return paper;
}

} // namespace host::plan
