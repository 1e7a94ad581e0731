// The classic look of buttons as pure functions of their state: push button faces, check box and
// radio glyphs, group box frames. The caller has selected the font and asked for the colours.
#pragma once

#include <windows.h>

#include <string>

namespace controls {

struct ButtonLook {
    bool pressed = false; // held down by the mouse or the space bar
    bool checked = false; // check boxes and radio buttons
    bool enabled = true;
    bool focused = false;
    bool isDefault = false; // BS_DEFPUSHBUTTON
};

constexpr int kCheckBoxSize = 13;
constexpr int kRadioSize = 12;
constexpr int kGlyphTextGap = 4; // between a check box or radio glyph and its text

void PaintPushButton(HDC dc, const RECT& rect, const ButtonLook& look, const std::wstring& text);
// Glyphs with their top-left corner at (x, y).
void PaintCheckBoxGlyph(HDC dc, int x, int y, const ButtonLook& look);
void PaintRadioGlyph(HDC dc, int x, int y, const ButtonLook& look);
// A check box or radio button: glyph on the left, vertically centred, then the text.
void PaintCheckOrRadio(HDC dc, const RECT& rect, const ButtonLook& look, bool radio,
                       const std::wstring& text);
// An etched frame whose top edge runs through the middle of the first text line, the text on a
// patch of `background` near the top-left corner.
void PaintGroupBox(HDC dc, const RECT& rect, const std::wstring& text, bool enabled, HBRUSH background,
                   int textHeight);

} // namespace controls
