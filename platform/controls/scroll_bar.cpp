#include "scroll_bar.h"

#include "paint_kit.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kMinThumb = 8;

int Length(const RECT& bar, bool vertical) {
    return vertical ? bar.bottom - bar.top : bar.right - bar.left;
}

// The two arrow buttons are square; when the bar is too short for both they share it.
int ArrowLength(const RECT& bar, const ScrollBarState& state) {
    const int thickness = state.vertical ? bar.right - bar.left : bar.bottom - bar.top;
    return std::min(thickness, Length(bar, state.vertical) / 2);
}

struct Track {
    int start = 0; // first pixel after the back arrow, along the bar
    int length = 0;
};

Track TrackOf(const RECT& bar, const ScrollBarState& state) {
    const int arrow = ArrowLength(bar, state);
    const int origin = state.vertical ? bar.top : bar.left;
    return Track{origin + arrow, std::max(0, Length(bar, state.vertical) - 2 * arrow)};
}

int ThumbLength(const Track& track, const ScrollBarState& state) {
    if (state.total <= 0 || state.page >= state.total) {
        return 0;
    }
    const long long length = static_cast<long long>(track.length) * state.page / state.total;
    return std::min(track.length, std::max(kMinThumb, static_cast<int>(length)));
}

RECT Along(const RECT& bar, bool vertical, int from, int to) {
    return vertical ? RECT{bar.left, from, bar.right, to} : RECT{from, bar.top, to, bar.bottom};
}

} // namespace

int ScrollBarThickness() {
    const int metric = GetSystemMetrics(SM_CXVSCROLL);
    return metric > 0 ? metric : 16;
}

RECT ScrollThumbRect(const RECT& bar, const ScrollBarState& state) {
    const Track track = TrackOf(bar, state);
    const int thumb = ThumbLength(track, state);
    if (thumb == 0 || thumb >= track.length) {
        return RECT{};
    }
    const int room = track.length - thumb;
    const int maxPosition = state.maxPosition();
    const int offset = maxPosition > 0
                           ? static_cast<int>(static_cast<long long>(room) *
                                              std::clamp(state.position, 0, maxPosition) / maxPosition)
                           : 0;
    return Along(bar, state.vertical, track.start + offset, track.start + offset + thumb);
}

ScrollPart ScrollBarHitTest(const RECT& bar, const ScrollBarState& state, POINT pt) {
    if (!PtInRect(&bar, pt)) {
        return ScrollPart::None;
    }
    const int along = state.vertical ? pt.y : pt.x;
    const Track track = TrackOf(bar, state);
    if (along < track.start) {
        return ScrollPart::LineBack;
    }
    if (along >= track.start + track.length) {
        return ScrollPart::LineForward;
    }
    const RECT thumb = ScrollThumbRect(bar, state);
    if (IsRectEmpty(&thumb)) {
        return ScrollPart::None;
    }
    const int thumbStart = state.vertical ? thumb.top : thumb.left;
    const int thumbEnd = state.vertical ? thumb.bottom : thumb.right;
    if (along < thumbStart) {
        return ScrollPart::PageBack;
    }
    if (along >= thumbEnd) {
        return ScrollPart::PageForward;
    }
    return ScrollPart::Thumb;
}

int ScrollPositionForThumb(const RECT& bar, const ScrollBarState& state, int pixel) {
    const Track track = TrackOf(bar, state);
    const int room = track.length - ThumbLength(track, state);
    if (room <= 0) {
        return state.position;
    }
    const int offset = std::clamp(pixel - track.start, 0, room);
    return static_cast<int>((static_cast<long long>(offset) * state.maxPosition() + room / 2) / room);
}

int ScrollPositionAfter(const ScrollBarState& state, ScrollPart part) {
    int position = state.position;
    const int page = std::max(1, state.page);
    switch (part) {
    case ScrollPart::LineBack:
        position -= 1;
        break;
    case ScrollPart::LineForward:
        position += 1;
        break;
    case ScrollPart::PageBack:
        position -= page;
        break;
    case ScrollPart::PageForward:
        position += page;
        break;
    default:
        break;
    }
    return std::clamp(position, 0, state.maxPosition());
}

void PaintScrollBar(HDC dc, const RECT& bar, const ScrollBarState& state) {
    if (IsRectEmpty(&bar)) {
        return;
    }
    const int arrow = ArrowLength(bar, state);
    const int origin = state.vertical ? bar.top : bar.left;
    const int end = state.vertical ? bar.bottom : bar.right;
    const bool scrollable = state.total > state.page;
    const RECT back = Along(bar, state.vertical, origin, origin + arrow);
    const RECT forward = Along(bar, state.vertical, end - arrow, end);
    PaintButtonBox(dc, back, false);
    PaintButtonBox(dc, forward, false);
    PaintArrow(dc, back, state.vertical ? Arrow::Up : Arrow::Left, scrollable);
    PaintArrow(dc, forward, state.vertical ? Arrow::Down : Arrow::Right, scrollable);
    const RECT track = Along(bar, state.vertical, origin + arrow, end - arrow);
    FillSysColour(dc, track, COLOR_SCROLLBAR);
    const RECT thumb = ScrollThumbRect(bar, state);
    if (!IsRectEmpty(&thumb)) {
        PaintButtonBox(dc, thumb, false);
    }
}

} // namespace controls
