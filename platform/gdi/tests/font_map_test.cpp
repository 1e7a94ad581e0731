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

} // namespace
