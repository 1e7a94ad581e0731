// The non-client area of a window: where its frame parts lie, which part a point hits, and how the
// frame is drawn (classic look: 3-D sizing border, gradient caption with a bold title, "?" and "×"
// caption buttons).
#pragma once

#include "core/window_tree.h"

namespace standin {

struct FrameLayout {
    int border = 0;
    bool hasCaption = false;
    RECT captionBar{}; // window coordinates
    bool hasClose = false;
    RECT closeButton{};
    bool hasHelp = false;
    RECT helpButton{};
    bool hasIcon = false;
    RECT icon{};
    RECT title{};
};

FrameLayout LayoutFrame(const Window& window);
LRESULT HitTestFrame(const Window& window, POINT screen);
void PaintFrame(HWND hwnd);

} // namespace standin
