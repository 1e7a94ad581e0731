#include "button_painter.h"

#include "paint_kit.h"

namespace controls {

namespace {

constexpr UINT kSingleLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

// Sunken box of a check box: shadow and dark shadow at the top left, light and highlight at the
// bottom right, the window colour inside.
const char* const kCheckBox[kCheckBoxSize] = {
    "SSSSSSSSSSSSH", "SDDDDDDDDDDLH", "SDWWWWWWWWWLH", "SDWWWWWWWWWLH", "SDWWWWWWWWWLH",
    "SDWWWWWWWWWLH", "SDWWWWWWWWWLH", "SDWWWWWWWWWLH", "SDWWWWWWWWWLH", "SDWWWWWWWWWLH",
    "SDWWWWWWWWWLH", "SDLLLLLLLLLLH", "HHHHHHHHHHHHH",
};

// The tick, 7 by 7, drawn at offset (3, 3) inside the box.
const char* const kTick[7] = {
    "......M", ".....MM", "M...MMM", "MM.MMM.", "MMMMM..", ".MMM...", "..M....",
};

// A round radio button: the same four shades as the check box, on a circle.
const char* const kRadio[kRadioSize] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
    "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".HLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};

const char* const kRadioDot[4] = {
    "....MM....",
    "...MMMM...",
    "...MMMM...",
    "....MM....",
};

PixelPalette GlyphPalette(const ButtonLook& look, int (&colours)[5]) {
    colours[0] = COLOR_3DSHADOW;
    colours[1] = COLOR_3DDKSHADOW;
    colours[2] = COLOR_3DLIGHT;
    colours[3] = COLOR_3DHILIGHT;
    // A pressed or disabled glyph shows the face colour inside, as Windows does.
    colours[4] = (look.pressed || !look.enabled) ? COLOR_3DFACE : COLOR_WINDOW;
    return PixelPalette{"SDLHW", colours};
}

PixelPalette MarkPalette(const ButtonLook& look, int (&colours)[1]) {
    colours[0] = look.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
    return PixelPalette{"M", colours};
}

} // namespace

void PaintPushButton(HDC dc, const RECT& rect, const ButtonLook& look, const std::wstring& text) {
    RECT face = rect;
    if (look.isDefault || look.focused) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_3DDKSHADOW));
        InflateRect(&face, -1, -1);
    }
    PaintButtonBox(dc, face, look.pressed);
    RECT label = face;
    InflateRect(&label, -2, -2);
    if (look.pressed) {
        OffsetRect(&label, 1, 1);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawControlText(dc, text, label, DT_CENTER | kSingleLine, look.enabled);
    if (look.focused) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void PaintCheckBoxGlyph(HDC dc, int x, int y, const ButtonLook& look) {
    int glyphColours[5];
    PaintPixelArt(dc, x, y, kCheckBox, kCheckBoxSize, GlyphPalette(look, glyphColours));
    if (look.checked) {
        int markColours[1];
        PaintPixelArt(dc, x + 3, y + 3, kTick, 7, MarkPalette(look, markColours));
    }
}

void PaintRadioGlyph(HDC dc, int x, int y, const ButtonLook& look) {
    int glyphColours[5];
    PaintPixelArt(dc, x, y, kRadio, kRadioSize, GlyphPalette(look, glyphColours));
    if (look.checked) {
        int markColours[1];
        PaintPixelArt(dc, x + 1, y + 4, kRadioDot, 4, MarkPalette(look, markColours));
    }
}

void PaintCheckOrRadio(HDC dc, const RECT& rect, const ButtonLook& look, bool radio,
                       const std::wstring& text) {
    const int size = radio ? kRadioSize : kCheckBoxSize;
    const int top = rect.top + (rect.bottom - rect.top - size) / 2;
    if (radio) {
        PaintRadioGlyph(dc, rect.left, top, look);
    } else {
        PaintCheckBoxGlyph(dc, rect.left, top, look);
    }
    if (text.empty()) {
        return;
    }
    RECT label{rect.left + size + kGlyphTextGap, rect.top, rect.right, rect.bottom};
    DrawControlText(dc, text, label, DT_LEFT | kSingleLine, look.enabled);
    if (look.focused) {
        RECT extent = label;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent,
                  DT_LEFT | kSingleLine | DT_CALCRECT);
        RECT focus{label.left - 1, rect.top, extent.right + 1, rect.bottom};
        if (focus.right > rect.right) {
            focus.right = rect.right;
        }
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HDC dc, const RECT& rect, const std::wstring& text, bool enabled, HBRUSH background,
                   int textHeight) {
    RECT frame = rect;
    frame.top += textHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) {
        return;
    }
    constexpr int kTextIndent = 8;
    RECT label{rect.left + kTextIndent, rect.top, rect.right - kTextIndent, rect.top + textHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    label.left -= 2;
    label.right += 2;
    if (label.right > rect.right - kTextIndent) {
        label.right = rect.right - kTextIndent;
    }
    label.bottom = rect.top + textHeight;
    FillRect(dc, &label, background);
    label.left += 2;
    DrawControlText(dc, text, label, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX, enabled);
}

} // namespace controls
