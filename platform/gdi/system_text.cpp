// The window manager's own fonts handed out as pango layouts, for the platform's drawing outside DCs.
#include <standin/system_text.h>

#include "gdi/font_map.h"
#include "gdi/gdi_objects.h"

#include <pango/pangocairo.h>

namespace standin {

PangoLayout* NewSystemTextLayout(cairo_t* cairo, SystemFont font) {
    PangoContext* context = NewPangoContext(cairo);
    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    HFONT handle =
        font == SystemFont::Caption ? CaptionFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (const PangoFontDescription* description = DescriptionOf(handle))
        pango_layout_set_font_description(layout, description);
    return layout;
}

} // namespace standin
