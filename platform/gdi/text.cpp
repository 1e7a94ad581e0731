// Text output and measurement through pango, in the DC's selected font and colours. TextOutW puts the
// top of the text cell at (x, y); the background box is filled with the background colour in OPAQUE
// mode. DrawTextW understands the DT_ flags the controls and the component use.
//
// Does NOT: support text alignment (SetTextAlign), character spacing, justification, DT_TABSTOP /
// DT_EXTERNALLEADING / DT_PATH_ELLIPSIS / DT_WORD_ELLIPSIS, or ExtTextOutW's per-character advances
// (dx is ignored).
#include "gdi/device_context.h"
#include "gdi/font_map.h"
#include "gdi/gdi_objects.h"
#include "core/utf8.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string>

namespace standin {
namespace {

struct Metrics {
    int ascent = 0;
    int descent = 0;
    int averageWidth = 0;
    int em = 0;
};

Metrics FontMetrics(HFONT font) {
    Metrics m;
    const PangoFontDescription* description = DescriptionOf(font);
    if (!description)
        return m;
    PangoContext* context = NewPangoContext(nullptr);
    PangoLanguage* language = pango_language_from_string("ja");
    PangoFontMetrics* metrics = pango_context_get_metrics(context, description, language);
    m.ascent = static_cast<int>(std::ceil(pango_font_metrics_get_ascent(metrics) / double(PANGO_SCALE)));
    m.descent = static_cast<int>(std::ceil(pango_font_metrics_get_descent(metrics) / double(PANGO_SCALE)));
    m.averageWidth = static_cast<int>(
        std::lround(pango_font_metrics_get_approximate_char_width(metrics) / double(PANGO_SCALE)));
    m.em = static_cast<int>(std::lround(pango_font_description_get_size(description) / double(PANGO_SCALE)));
    pango_font_metrics_unref(metrics);
    g_object_unref(context);
    return m;
}

// A layout of `text` in the DC's font; `underlineAt` (>= 0) underlines one character (a mnemonic).
PangoLayout* MakeLayout(DeviceContext& dc, const std::wstring& text, int underlineAt) {
    PangoContext* context = NewPangoContext(dc.m_cairo);
    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    if (const PangoFontDescription* description = DescriptionOf(dc.m_state.font))
        pango_layout_set_font_description(layout, description);
    std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    PangoAttrList* attributes = pango_attr_list_new();
    GdiObject* font = LookupHeldGdiObject(dc.m_state.font);
    if (font && font->m_logFont.lfUnderline)
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font && font->m_logFont.lfStrikeOut)
        pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
    if (underlineAt >= 0 && underlineAt < static_cast<int>(text.size())) {
        auto start = static_cast<guint>(ToUtf8(text.substr(0, static_cast<size_t>(underlineAt))).size());
        PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        underline->start_index = start;
        underline->end_index =
            start + static_cast<guint>(ToUtf8(text.substr(static_cast<size_t>(underlineAt), 1)).size());
        pango_attr_list_insert(attributes, underline);
    }
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    return layout;
}

SIZE LayoutSize(PangoLayout* layout) {
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    return SIZE{width, height};
}

// Draws the layout with its cell top at y, the first line's baseline at y + ascent.
void ShowLayout(DeviceContext& dc, PangoLayout* layout, double x, double y, const Metrics& metrics) {
    double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    SetSourceColor(dc.m_cairo, dc.m_state.textColor);
    cairo_move_to(dc.m_cairo, x, y + metrics.ascent - baseline);
    pango_cairo_show_layout(dc.m_cairo, layout);
}

int LineHeight(const Metrics& metrics) {
    return metrics.ascent + metrics.descent;
}

// Mnemonic prefixes: "&&" shows "&", "&x" shows x underlined.
std::wstring StripPrefixes(const std::wstring& text, int* underlineAt) {
    std::wstring out;
    *underlineAt = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != L'&')
                *underlineAt = static_cast<int>(out.size());
        } else if (text[i] == L'&') {
            continue;
        }
        out += text[i];
    }
    return out;
}

std::wstring TextOf(LPCWSTR text, int count) {
    if (!text)
        return std::wstring();
    size_t length = count < 0 ? wcslen(text) : static_cast<size_t>(count);
    return std::wstring(text, length);
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI ExtTextOutW(HDC handle, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                        const int*) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc)
        return FALSE;
    ApplyViewport(*dc);
    cairo_t* c = dc->m_cairo;
    cairo_save(c);
    if (rect && (options & ETO_OPAQUE)) {
        SetSourceColor(c, dc->m_state.backColor);
        cairo_rectangle(c, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
        cairo_fill(c);
    }
    if (rect && (options & ETO_CLIPPED)) {
        cairo_rectangle(c, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
        cairo_clip(c);
    }
    std::wstring content = TextOf(text, static_cast<int>(count));
    if (!content.empty()) {
        Metrics metrics = FontMetrics(dc->m_state.font);
        PangoLayout* layout = MakeLayout(*dc, content, -1);
        SIZE size = LayoutSize(layout);
        if (dc->m_state.backMode == OPAQUE && !(options & ETO_OPAQUE)) {
            SetSourceColor(c, dc->m_state.backColor);
            cairo_rectangle(c, x, y, size.cx, LineHeight(metrics));
            cairo_fill(c);
        }
        ShowLayout(*dc, layout, x, y, metrics);
        g_object_unref(layout);
    }
    cairo_restore(c);
    return TRUE;
}

BOOL WINAPI TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
    if (!text || count < 0)
        return count == 0 && LookupDc(dc) != nullptr;
    return ExtTextOutW(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL WINAPI GetTextExtentPoint32W(HDC handle, LPCWSTR text, int count, LPSIZE size) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !size || count < 0 || (!text && count > 0))
        return FALSE;
    Metrics metrics = FontMetrics(dc->m_state.font);
    PangoLayout* layout = MakeLayout(*dc, TextOf(text, count), -1);
    SIZE extent = LayoutSize(layout);
    g_object_unref(layout);
    size->cx = count == 0 ? 0 : extent.cx;
    size->cy = LineHeight(metrics);
    return TRUE;
}

BOOL WINAPI GetTextMetricsW(HDC handle, LPTEXTMETRICW tm) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !tm)
        return FALSE;
    Metrics metrics = FontMetrics(dc->m_state.font);
    GdiObject* font = LookupHeldGdiObject(dc->m_state.font);
    *tm = TEXTMETRICW{};
    tm->tmAscent = metrics.ascent;
    tm->tmDescent = metrics.descent;
    tm->tmHeight = LineHeight(metrics);
    tm->tmInternalLeading = std::max(0, tm->tmHeight - metrics.em);
    tm->tmAveCharWidth = metrics.averageWidth;
    tm->tmMaxCharWidth = std::max(metrics.em, metrics.averageWidth);
    tm->tmWeight = font && font->m_logFont.lfWeight ? font->m_logFont.lfWeight : FW_NORMAL;
    return TRUE;
}

// Returns the height of the text (with DT_VCENTER / DT_BOTTOM: from the rectangle's top to the bottom
// of the text), 0 on failure.
int WINAPI DrawTextW(HDC handle, LPCWSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !text || !rect)
        return 0;
    std::wstring content = TextOf(text, count);
    int underlineAt = -1;
    if (!(format & DT_NOPREFIX))
        content = StripPrefixes(content, &underlineAt);
    bool singleLine = (format & DT_SINGLELINE) != 0;
    if (singleLine)
        for (wchar_t& ch : content)
            if (ch == L'\r' || ch == L'\n')
                ch = L' ';
    ApplyViewport(*dc);
    Metrics metrics = FontMetrics(dc->m_state.font);
    PangoLayout* layout = MakeLayout(*dc, content, underlineAt);
    int boxWidth = std::max<int>(0, rect->right - rect->left);
    if ((format & DT_WORDBREAK) && !singleLine) {
        pango_layout_set_width(layout, boxWidth * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    } else if (format & DT_END_ELLIPSIS) {
        pango_layout_set_width(layout, boxWidth * PANGO_SCALE);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    }
    SIZE size = LayoutSize(layout);
    int lines = std::max(1, pango_layout_get_line_count(layout));
    int height = content.empty() ? LineHeight(metrics) : lines * LineHeight(metrics);
    if (format & DT_CALCRECT) {
        if (!((format & DT_WORDBREAK) && !singleLine))
            rect->right = rect->left + size.cx;
        rect->bottom = rect->top + height;
        g_object_unref(layout);
        return height;
    }
    int boxHeight = rect->bottom - rect->top;
    int y = rect->top;
    if (singleLine && (format & DT_VCENTER))
        y = rect->top + (boxHeight - height) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        y = rect->bottom - height;
    bool laidOutToWidth = pango_layout_get_width(layout) > 0;
    int x = rect->left;
    if (format & DT_CENTER)
        x = rect->left + (boxWidth - size.cx) / 2;
    else if (format & DT_RIGHT)
        x = rect->right - size.cx;
    if (laidOutToWidth) {
        pango_layout_set_alignment(layout, (format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                                           : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                                 : PANGO_ALIGN_LEFT);
        x = rect->left;
    }
    cairo_t* c = dc->m_cairo;
    cairo_save(c);
    if (!(format & DT_NOCLIP)) {
        cairo_rectangle(c, rect->left, rect->top, boxWidth, std::max(0, boxHeight));
        cairo_clip(c);
    }
    if (dc->m_state.backMode == OPAQUE && !content.empty()) {
        SetSourceColor(c, dc->m_state.backColor);
        cairo_rectangle(c, laidOutToWidth ? rect->left : x, y, laidOutToWidth ? boxWidth : size.cx, height);
        cairo_fill(c);
    }
    ShowLayout(*dc, layout, x, y, metrics);
    cairo_restore(c);
    g_object_unref(layout);
    return (format & (DT_VCENTER | DT_BOTTOM)) && singleLine ? y - rect->top + height : height;
}
}
