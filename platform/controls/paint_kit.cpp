#include "paint_kit.h"

#include <cstring>

namespace controls {

void FillSysColour(HDC dc, const RECT& rect, int sysColour) {
    FillRect(dc, &rect, GetSysColorBrush(sysColour));
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) {
        return;
    }
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void PaintPixelArt(HDC dc, int x, int y, const char* const* rows, int rowCount, const PixelPalette& palette) {
    for (int row = 0; row < rowCount; ++row) {
        const char* line = rows[row];
        // Runs of one colour are filled as one rectangle.
        for (int column = 0; line[column] != '\0';) {
            const char* key = std::strchr(palette.keys, line[column]);
            int run = 1;
            while (line[column + run] == line[column]) {
                ++run;
            }
            if (key && *key) {
                RECT pixels{x + column, y + row, x + column + run, y + row + 1};
                FillSysColour(dc, pixels, palette.colours[key - palette.keys]);
            }
            column += run;
        }
    }
}

void PaintArrow(HDC dc, const RECT& box, Arrow arrow, bool enabled) {
    constexpr int kBase = 7;
    constexpr int kDepth = (kBase + 1) / 2;
    const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    const int width = vertical ? kBase : kDepth;
    const int height = vertical ? kDepth : kBase;
    const int left = box.left + (box.right - box.left - width) / 2;
    const int top = box.top + (box.bottom - box.top - height) / 2;
    auto paint = [&](int dx, int sysColour) {
        for (int step = 0; step < kDepth; ++step) {
            // step 0 is the wide end of the triangle.
            RECT line{};
            switch (arrow) {
            case Arrow::Down:
                line = {left + step, top + step, left + kBase - step, top + step + 1};
                break;
            case Arrow::Up:
                line = {left + step, top + kDepth - 1 - step, left + kBase - step, top + kDepth - step};
                break;
            case Arrow::Right:
                line = {left + step, top + step, left + step + 1, top + kBase - step};
                break;
            case Arrow::Left:
                line = {left + kDepth - 1 - step, top + step, left + kDepth - step, top + kBase - step};
                break;
            }
            OffsetRect(&line, dx, dx);
            FillSysColour(dc, line, sysColour);
        }
    };
    if (enabled) {
        paint(0, COLOR_BTNTEXT);
    } else {
        paint(1, COLOR_3DHILIGHT);
        paint(0, COLOR_3DSHADOW);
    }
}

void PaintButtonBox(HDC dc, const RECT& rect, bool pushed) {
    FillSysColour(dc, rect, COLOR_3DFACE);
    RECT edge = rect;
    if (pushed) {
        // Classic pressed look: a dark outer frame and the shadow inside it, no highlight.
        FrameRect(dc, &edge, GetSysColorBrush(COLOR_3DDKSHADOW));
        InflateRect(&edge, -1, -1);
        FrameRect(dc, &edge, GetSysColorBrush(COLOR_3DSHADOW));
        return;
    }
    DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
}

void DrawControlText(HDC dc, const std::wstring& text, RECT rect, UINT format, bool enabled) {
    if (text.empty()) {
        return;
    }
    const int length = static_cast<int>(text.size());
    if (enabled) {
        DrawTextW(dc, text.c_str(), length, &rect, format);
        return;
    }
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = GetTextColor(dc);
    RECT highlight = rect;
    OffsetRect(&highlight, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), length, &highlight, format);
    SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    DrawTextW(dc, text.c_str(), length, &rect, format);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

} // namespace controls
