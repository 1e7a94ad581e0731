// Pango's font map over a fontconfig configuration of our own (system configuration + the project's
// aliases), and LOGFONTW turned into pango descriptions.
//
// Does NOT: rotate text (lfEscapement), synthesise widths (lfWidth), or honour lfQuality and the
// precision fields; every DC renders with the same options so pixels are the same on every machine
// that has the same fonts.
#include "gdi/font_map.h"

#include "core/utf8.h"
#include "gdi/font_aliases.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cwchar>

namespace standin {
namespace {

constexpr int kDefaultPixels = 12;

// The IPA faces that stand in for the Japanese Windows fonts set their kana and many kanji a little
// wider than the fonts the dialog templates were laid out with, so texts that fit on Windows would be
// cut at their controls' edges. Drawing every face at 11/12 of the em it asks for brings the widths
// back to what the templates' rectangles were made for; heights are unaffected where it matters,
// since control geometry comes from the fixed dialog base units, never from the font.
constexpr double kTemplateFit = 11.0 / 12.0;

FcConfig* BuildConfig() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return nullptr;
    // The alias file only adds rules; a missing file leaves the system's matching as it is.
    LoadFontAliases(config);
    return config;
}

// Pixel height of the em for a positive (cell height) lfHeight: cell * em / (ascent + descent).
double EmForCellHeight(PangoFontDescription* description, int cell) {
    constexpr int kProbe = 1000;
    pango_font_description_set_absolute_size(description, kProbe * PANGO_SCALE);
    PangoContext* context = NewPangoContext(nullptr);
    PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
    int height = pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics);
    pango_font_metrics_unref(metrics);
    g_object_unref(context);
    if (height <= 0)
        return cell;
    return static_cast<double>(cell) * kProbe * PANGO_SCALE / height;
}

} // namespace

// The font map lives as long as the process, as fontconfig's and pango's own caches do.
PangoFontMap* SharedFontMap() {
    static PangoFontMap* map = [] {
        PangoFontMap* fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        if (FcConfig* config = BuildConfig()) {
            pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), config);
            FcConfigDestroy(config); // the font map keeps its own reference
        }
        return fontMap;
    }();
    return map;
}

PangoContext* NewPangoContext(cairo_t* cairo) {
    PangoContext* context = pango_font_map_create_context(SharedFontMap());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, options);
    // Glyphs drawn narrower than their face (the alias file condenses the proportional faces) would
    // each be rounded to whole pixels: uneven gaps, and a text wider than its glyphs add up to.
    pango_context_set_round_glyph_positions(context, FALSE);
    cairo_font_options_destroy(options);
    if (cairo)
        pango_cairo_update_context(cairo, context);
    return context;
}

PangoFontDescription* DescribeLogFont(const LOGFONTW& logFont) {
    PangoFontDescription* description = pango_font_description_new();
    size_t length = wcsnlen(logFont.lfFaceName, LF_FACESIZE);
    std::string family = ToUtf8(std::wstring_view(logFont.lfFaceName, length));
    if (family.empty())
        family = "MS PGothic"; // what a Japanese system gives for an unnamed face
    pango_font_description_set_family(description, family.c_str());
    int weight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(logFont.lfWeight, 100, 1000);
    pango_font_description_set_weight(description, static_cast<PangoWeight>(weight));
    pango_font_description_set_style(description, logFont.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    double pixels = kDefaultPixels;
    if (logFont.lfHeight < 0)
        pixels = -static_cast<double>(logFont.lfHeight);
    else if (logFont.lfHeight > 0)
        pixels = EmForCellHeight(description, logFont.lfHeight);
    pango_font_description_set_absolute_size(description, pixels * kTemplateFit * PANGO_SCALE);
    return description;
}

} // namespace standin
