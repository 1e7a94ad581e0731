// Small drawing pieces the control painters share: solid fills in system colours, pixel art for the
// glyphs of the classic look, arrows, 3-D button faces and text that is grayed when disabled.
// They know nothing of windows: a DC and rectangles in, pixels out.
#pragma once

#include <windows.h>

#include <string>

namespace controls {

void FillSysColour(HDC dc, const RECT& rect, int sysColour);
void FillColour(HDC dc, const RECT& rect, COLORREF colour);

// One glyph row per string; each character names a system colour through `palette` (a
// character not in the palette, such as '.', leaves the pixel alone).
struct PixelPalette {
    const char* keys;   // e.g. "SDLHW"
    const int* colours; // system colour index for each key
};
void PaintPixelArt(HDC dc, int x, int y, const char* const* rows, int rowCount, const PixelPalette& palette);

enum class Arrow { Up, Down, Left, Right };
// A filled triangle of the classic arrow size (7 px at its base), centred in `box`.
void PaintArrow(HDC dc, const RECT& box, Arrow arrow, bool enabled);

// The face of a classic 3-D button: raised edges, or a flat pressed frame when `pushed`.
void PaintButtonBox(HDC dc, const RECT& rect, bool pushed);

// Text in the DC's font and colours; disabled text is embossed in the gray of the 3-D shadow with
// a highlight one pixel below and right, as classic controls show it.
void DrawControlText(HDC dc, const std::wstring& text, RECT rect, UINT format, bool enabled);

// Selects `font` into `dc` for the lifetime of the object.
class FontSelection {
public:
    FontSelection(HDC dc, HFONT font) : m_dc(dc), m_previous(SelectObject(dc, font)) {}
    ~FontSelection() { SelectObject(m_dc, m_previous); }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

} // namespace controls
