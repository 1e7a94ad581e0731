// The fixed metrics of the stand-in. They do not depend on installed fonts or on a display, so every
// machine computes the same window and control rectangles.
//
//   virtual screen            1280 x 1024 (SM_CXSCREEN, SM_CYSCREEN)
//   sizing frame              4 px each side (SM_CXFRAME, SM_CYFRAME)
//   fixed dialog frame        3 px each side (SM_CXDLGFRAME, SM_CYDLGFRAME)
//   caption                   19 px (SM_CYCAPTION: an 18 px bar and the 1 px line under it)
//   caption buttons           16 x 14 px glyph boxes in 18 x 18 cells (SM_CXSIZE, SM_CYSIZE)
//   client edge / border      2 px (WS_EX_CLIENTEDGE), 1 px (WS_BORDER, WS_EX_STATICEDGE)
//   scroll bars               17 px (SM_CXVSCROLL, SM_CYHSCROLL)
//   smallest drag size        112 x 27 (SM_CXMINTRACK, SM_CYMINTRACK)
//   largest drag size         1288 x 1032 (screen plus the sizing frame on both sides)
//   dialog base units         6 x 12 px for a 9-point dialog font at 96 dpi, scaled linearly with the
//                             point size (MulDiv(6, pt, 9) x MulDiv(12, pt, 9)); 8 x 16 without a font
//
// So a WS_CAPTION | WS_THICKFRAME window is its client plus 8 px wide and plus 27 px tall, and a
// 249 x 135 DLU template with a 9-point font has a 374 x 203 client area (MulDiv rounds half away from
// zero: 135 * 12 / 8 = 202.5 gives 203).
#pragma once

#include <windows.h>

#include <standin/hooks.h>

namespace standin::metrics {

// The screen's size is also told to tests and hosts (standin/hooks.h); it is written there once.
constexpr int kScreenWidth = standin::kScreenWidth;
constexpr int kScreenHeight = standin::kScreenHeight;
constexpr int kSizingFrame = 4;
constexpr int kDialogFrame = 3;
constexpr int kCaption = 19;
constexpr int kCaptionBar = 18;
constexpr int kCaptionButtonWidth = 16;
constexpr int kCaptionButtonHeight = 14;
constexpr int kClientEdge = 2;
constexpr int kBorder = 1;
constexpr int kScrollBar = 17;
constexpr int kMinTrackWidth = 112;
constexpr int kMinTrackHeight = 27;
constexpr int kMaxTrackWidth = kScreenWidth + 2 * kSizingFrame;
constexpr int kMaxTrackHeight = kScreenHeight + 2 * kSizingFrame;
constexpr int kSmallIcon = 16;
constexpr int kIcon = 32;

// Dialog base units for a dialog font of `pointSize` points (0: no font, the system font's units).
inline SIZE DialogBaseUnits(int pointSize) {
    if (pointSize <= 0)
        return SIZE{8, 16};
    return SIZE{MulDiv(6, pointSize, 9), MulDiv(12, pointSize, 9)};
}

// Where new top-level windows go when the caller lets the system choose (CW_USEDEFAULT).
constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

} // namespace standin::metrics
