// Which family pango really loads for a Windows face name, through the project's own fontconfig
// aliases: a look inside the font set-up, which this test compiles in.
#include "gdi/font_map.h"

#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include <cwchar>

namespace {

TEST(FontMap, WindowsFaceNamesLoadTheIpaGothicFonts) {
    struct Case {
        const wchar_t* face;
        const char* family;
    };
    const Case cases[] = {
        {L"ＭＳ Ｐゴシック", "IPAPGothic"},
        {L"MS PGothic", "IPAPGothic"},
        {L"ＭＳ ゴシック", "IPAGothic"},
        {L"MS Gothic", "IPAGothic"},
    };
    for (const Case& c : cases) {
        LOGFONTW lf{};
        lf.lfHeight = -12;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        wcsncpy(lf.lfFaceName, c.face, LF_FACESIZE - 1);
        PangoFontDescription* description = standin::DescribeLogFont(lf);
        PangoContext* context = standin::NewPangoContext(nullptr);
        PangoFont* font = pango_context_load_font(context, description);
        ASSERT_NE(font, nullptr);
        PangoFontDescription* loaded = pango_font_describe(font);
        EXPECT_STREQ(pango_font_description_get_family(loaded), c.family);
        for (gunichar ch : {U'累', U'計', U'ゴ', U'ｍ'})
            EXPECT_TRUE(pango_font_has_char(font, ch)) << c.family << " lacks U+" << std::hex << ch;
        pango_font_description_free(loaded);
        g_object_unref(font);
        g_object_unref(context);
        pango_font_description_free(description);
    }
}

// Width in pango units of `text` in the face asked for by name, at a 12-pixel em, through the set-up.
double WidthIn(const wchar_t* face, const char* text) {
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    PangoFontDescription* description = standin::DescribeLogFont(lf);
    PangoContext* context = standin::NewPangoContext(nullptr);
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, text, -1);
    int width = 0;
    pango_layout_get_size(layout, &width, nullptr);
    g_object_unref(layout);
    g_object_unref(context);
    pango_font_description_free(description);
    return width;
}

// The proportional faces come condensed, so that the templates' texts fit their controls; the
// fixed-pitch faces keep the one-em, half-em pitch that their Windows originals have.
TEST(FontMap, ProportionalFacesAreCondensedAndFixedPitchOnesKeepTheirPitch) {
    const double em = WidthIn(L"ＭＳ ゴシック", "累");
    ASSERT_GT(em, 0);
    EXPECT_NEAR(WidthIn(L"ＭＳ ゴシック", "mm2") / em, 1.5, 0.01) << "half-width Latin";
    EXPECT_NEAR(WidthIn(L"ＭＳ ゴシック", "作図後閉じる") / em, 6.0, 0.01) << "full-width kana and kanji";
    // A kanji is one em wide in both IPA faces: the proportional faces draw it at 0.8 of that.
    for (const wchar_t* face : {L"ＭＳ Ｐゴシック", L"MS PGothic", L"MS UI Gothic", L"MS Shell Dlg"})
        EXPECT_NEAR(WidthIn(face, "累") / em, 0.8, 0.02);
}

} // namespace
