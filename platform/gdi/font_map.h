// The fonts text is drawn with. Pango gets a fontconfig configuration of its own: the system's
// configuration plus the project's alias file (gdi/font_aliases.h), which maps the Windows face names
// "ＭＳ Ｐゴシック", "ＭＳ ゴシック" and their Latin spellings to IPA PGothic / IPA Gothic. The system's
// own configuration is never changed.
#pragma once

#include <windows.h>

#include <cairo.h>
#include <pango/pango.h>

namespace standin {

PangoFontMap* SharedFontMap();
// A context on the shared font map with the rendering options every DC uses (grey antialiasing, no
// hinting), set up for `cairo` when given.
PangoContext* NewPangoContext(cairo_t* cairo);
// A new description for a LOGFONTW (caller frees it with pango_font_description_free). lfHeight < 0 is
// the character height in pixels, > 0 the cell height (scaled by the face's ascent + descent), 0 means
// 12 pixels.
PangoFontDescription* DescribeLogFont(const LOGFONTW& logFont);

} // namespace standin
