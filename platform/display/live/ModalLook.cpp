#include "ModalLook.h"

#include "Utf8.h"

#include <standin/system_text.h>

#include <pango/pangocairo.h>

#include <algorithm>

namespace display::live {

namespace {

constexpr int kFrame = 3;
constexpr int kCaption = 20;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kMaxTextWidth = 420;
constexpr int kTitleInset = 2; // where every caption starts its title in the bar
constexpr int kCloseRoom = 22; // the × button and the gap before it
constexpr int kMenuRow = 20;
constexpr int kMenuSeparator = 9;
constexpr int kMenuTextLeft = 24;

void SetColour(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

void SysColour(cairo_t* cr, int index) {
    SetColour(cr, GetSysColor(index));
}

void FillRect(cairo_t* cr, const RECT& r) {
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

// The text measured (or drawn, when `draw`) in one of the window manager's fonts, wrapped at `wrap`:
// the same faces and sizes as a window's caption and controls, never a face of pango's defaults.
std::pair<int, int> Text(cairo_t* cr, standin::SystemFont font, const std::wstring& text, int x, int y,
                         int wrap, bool draw) {
    PangoLayout* layout = standin::NewSystemTextLayout(cr, font);
    if (wrap > 0) {
        pango_layout_set_width(layout, wrap * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    const std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    if (draw) {
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, layout);
    }
    g_object_unref(layout);
    return {width, height};
}

// Most of what the boxes and menus write is in the message face.
std::pair<int, int> Text(cairo_t* cr, const std::wstring& text, int x, int y, int wrap, bool draw) {
    return Text(cr, standin::SystemFont::Message, text, x, y, wrap, draw);
}

// The title on one line, centred in the bar's height, cut with an ellipsis at `room`'s right edge.
void PaintTitle(cairo_t* cr, const std::wstring& caption, const RECT& room) {
    PangoLayout* layout = standin::NewSystemTextLayout(cr, standin::SystemFont::Caption);
    const std::string utf8 = ToUtf8(caption);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    pango_layout_set_width(layout, std::max<int>(0, room.right - room.left) * PANGO_SCALE);
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    int height = 0;
    pango_layout_get_pixel_size(layout, nullptr, &height);
    cairo_move_to(cr, room.left, (room.top + room.bottom - height) / 2);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

std::pair<int, int> MeasureText(const std::wstring& text, int wrap) {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(scratch);
    const auto size = Text(cr, text, 0, 0, wrap, false);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return size;
}

// The raised (or, pressed, sunken) edge of the classic look around `r`.
void Edge(cairo_t* cr, const RECT& r, bool sunken) {
    const int light = sunken ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT;
    const int dark = sunken ? COLOR_3DHILIGHT : COLOR_3DDKSHADOW;
    cairo_set_line_width(cr, 1);
    SysColour(cr, light);
    cairo_move_to(cr, r.left + 0.5, r.bottom - 1);
    cairo_line_to(cr, r.left + 0.5, r.top + 0.5);
    cairo_line_to(cr, r.right - 1, r.top + 0.5);
    cairo_stroke(cr);
    SysColour(cr, dark);
    cairo_move_to(cr, r.left, r.bottom - 0.5);
    cairo_line_to(cr, r.right - 0.5, r.bottom - 0.5);
    cairo_line_to(cr, r.right - 0.5, r.top);
    cairo_stroke(cr);
    SysColour(cr, sunken ? COLOR_3DHILIGHT : COLOR_3DSHADOW);
    cairo_move_to(cr, r.left + 1, r.bottom - 1.5);
    cairo_line_to(cr, r.right - 1.5, r.bottom - 1.5);
    cairo_line_to(cr, r.right - 1.5, r.top + 1);
    cairo_stroke(cr);
}

std::vector<BoxButton> ButtonsOf(UINT flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, L"OK", {}}, {IDCANCEL, L"キャンセル", {}}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, L"中止(A)", {}}, {IDRETRY, L"再試行(R)", {}}, {IDIGNORE, L"無視(I)", {}}};
    case MB_YESNOCANCEL:
        return {{IDYES, L"はい(Y)", {}}, {IDNO, L"いいえ(N)", {}}, {IDCANCEL, L"キャンセル", {}}};
    case MB_YESNO:
        return {{IDYES, L"はい(Y)", {}}, {IDNO, L"いいえ(N)", {}}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, L"再試行(R)", {}}, {IDCANCEL, L"キャンセル", {}}};
    default:
        return {{IDOK, L"OK", {}}};
    }
}

} // namespace

BoxLayout LayoutMessageBox(const std::wstring& text, UINT flags, const std::wstring& caption) {
    BoxLayout layout;
    layout.buttons = ButtonsOf(flags);
    const size_t wanted = (flags & MB_DEFMASK) >> 8;
    layout.defaultButton = wanted < layout.buttons.size() ? wanted : 0;
    // Esc and × answer Cancel where the box has it; a lone OK is answered OK; Yes/No boxes need a choice.
    for (const BoxButton& button : layout.buttons) {
        if (button.answer == IDCANCEL) {
            layout.escapeAnswer = IDCANCEL;
        }
    }
    if ((flags & MB_TYPEMASK) == MB_OK) {
        layout.escapeAnswer = IDOK;
    }
    layout.dismissAnswer =
        layout.escapeAnswer ? layout.escapeAnswer : layout.buttons[layout.defaultButton].answer;
    for (const BoxButton& button : layout.buttons) {
        if (!layout.escapeAnswer && button.answer == IDNO) {
            layout.dismissAnswer = IDNO;
        }
    }
    const bool hasIcon = (flags & MB_ICONMASK) != 0;
    const auto [textWidth, textHeight] = MeasureText(text, kMaxTextWidth);
    const int buttonsWidth =
        static_cast<int>(layout.buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    const int iconWidth = hasIcon ? kIconSize + kMargin : 0;
    const int contentWidth = std::max(iconWidth + textWidth, buttonsWidth);
    const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
    // As wide as the body needs, or as the title with the × button beside it, up to what a text line may
    // take (a longer title ends in an ellipsis).
    const int captionWidth = Text(nullptr, standin::SystemFont::Caption, caption, 0, 0, 0, false).first;
    const int titleWidth = std::min(captionWidth + kTitleInset + kCloseRoom, kMaxTextWidth);
    layout.width = std::max(contentWidth + 2 * kMargin, titleWidth) + 2 * (kMargin + kFrame);
    layout.height = kFrame + kCaption + kMargin + bodyHeight + kMargin + kButtonHeight + kMargin + kFrame;
    layout.caption = RECT{kFrame, kFrame, layout.width - kFrame, kFrame + kCaption};
    layout.close = RECT{layout.caption.right - 18, kFrame + 2, layout.caption.right - 2, kFrame + 16};
    const int bodyTop = kFrame + kCaption + kMargin;
    const int left = kFrame + 2 * kMargin;
    if (hasIcon) {
        layout.icon = RECT{left, bodyTop, left + kIconSize, bodyTop + kIconSize};
    }
    const int textTop = bodyTop + (bodyHeight - textHeight) / 2;
    layout.text = RECT{left + iconWidth, textTop, left + iconWidth + textWidth, textTop + textHeight};
    int x = (layout.width - buttonsWidth) / 2;
    const int y = bodyTop + bodyHeight + kMargin;
    for (BoxButton& button : layout.buttons) {
        button.rect = RECT{x, y, x + kButtonWidth, y + kButtonHeight};
        x += kButtonWidth + kButtonGap;
    }
    return layout;
}

void PaintMessageBox(cairo_t* cr, const BoxLayout& layout, const std::wstring& text,
                     const std::wstring& caption, UINT flags, size_t focused, int pressed) {
    SysColour(cr, COLOR_3DFACE);
    cairo_paint(cr);
    Edge(cr, RECT{0, 0, layout.width, layout.height}, false);
    // The bar and its title as every window's caption has them: the active gradient, the caption face.
    const RECT& bar = layout.caption;
    cairo_pattern_t* gradient = cairo_pattern_create_linear(bar.left, 0, bar.right, 0);
    const COLORREF from = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF to = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    cairo_pattern_add_color_stop_rgb(gradient, 0, GetRValue(from) / 255.0, GetGValue(from) / 255.0,
                                     GetBValue(from) / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1, GetRValue(to) / 255.0, GetGValue(to) / 255.0,
                                     GetBValue(to) / 255.0);
    cairo_set_source(cr, gradient);
    FillRect(cr, bar);
    cairo_pattern_destroy(gradient);
    SysColour(cr, COLOR_CAPTIONTEXT);
    PaintTitle(cr, caption, RECT{bar.left + kTitleInset, bar.top, layout.close.left - 2, bar.bottom});
    SysColour(cr, COLOR_3DFACE);
    FillRect(cr, layout.close);
    Edge(cr, layout.close, false);
    SysColour(cr, layout.escapeAnswer ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, layout.close.left + 4, layout.close.top + 3);
    cairo_line_to(cr, layout.close.right - 5, layout.close.bottom - 4);
    cairo_move_to(cr, layout.close.right - 5, layout.close.top + 3);
    cairo_line_to(cr, layout.close.left + 4, layout.close.bottom - 4);
    cairo_stroke(cr);

    if (layout.icon.right > layout.icon.left) {
        const UINT icon = flags & MB_ICONMASK;
        const double cx = (layout.icon.left + layout.icon.right) / 2.0;
        const double cy = (layout.icon.top + layout.icon.bottom) / 2.0;
        const COLORREF fill = icon == MB_ICONHAND          ? RGB(200, 30, 30)
                              : icon == MB_ICONEXCLAMATION ? RGB(235, 190, 20)
                                                           : RGB(30, 90, 200);
        SetColour(cr, fill);
        cairo_arc(cr, cx, cy, kIconSize / 2.0 - 1, 0, 6.2832);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        const wchar_t* sign = icon == MB_ICONHAND          ? L"×"
                              : icon == MB_ICONQUESTION    ? L"?"
                              : icon == MB_ICONEXCLAMATION ? L"!"
                                                           : L"i";
        const auto size = Text(cr, sign, 0, 0, 0, false);
        Text(cr, sign, static_cast<int>(cx) - size.first / 2, static_cast<int>(cy) - size.second / 2, 0,
             true);
    }
    SysColour(cr, COLOR_WINDOWTEXT);
    Text(cr, text, layout.text.left, layout.text.top, kMaxTextWidth, true);

    for (size_t i = 0; i < layout.buttons.size(); ++i) {
        const BoxButton& button = layout.buttons[i];
        RECT r = button.rect;
        if (i == focused) {
            // The default (focused) button carries the dark outer line of the classic look.
            SysColour(cr, COLOR_3DDKSHADOW);
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, r.right - r.left - 1, r.bottom - r.top - 1);
            cairo_stroke(cr);
            r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        }
        Edge(cr, r, pressed == button.answer);
        SysColour(cr, COLOR_BTNTEXT);
        const auto size = Text(cr, button.text, 0, 0, 0, false);
        const int shift = pressed == button.answer ? 1 : 0;
        Text(cr, button.text, (r.left + r.right - size.first) / 2 + shift,
             (r.top + r.bottom - size.second) / 2 + shift, 0, true);
        if (i == focused) {
            const double dashes[] = {1.0};
            cairo_set_dash(cr, dashes, 1, 0);
            cairo_rectangle(cr, r.left + 3.5, r.top + 3.5, r.right - r.left - 8, r.bottom - r.top - 8);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
        }
    }
}

int ButtonAt(const BoxLayout& layout, POINT p) {
    for (const BoxButton& button : layout.buttons) {
        if (PtInRect(&button.rect, p)) {
            return button.answer;
        }
    }
    return 0;
}

MenuLayout LayoutMenu(const std::vector<standin::MenuEntry>& entries) {
    MenuLayout layout;
    int width = 80;
    int y = kFrame;
    for (const standin::MenuEntry& entry : entries) {
        const int height = entry.separator ? kMenuSeparator : kMenuRow;
        layout.rows.push_back(RECT{kFrame, y, 0, y + height});
        y += height;
        if (!entry.separator) {
            width = std::max(width, MeasureText(entry.text, 0).first + kMenuTextLeft + 24);
        }
    }
    layout.width = width + 2 * kFrame;
    layout.height = y + kFrame;
    for (RECT& row : layout.rows) {
        row.right = layout.width - kFrame;
    }
    return layout;
}

void PaintMenu(cairo_t* cr, const MenuLayout& layout, const std::vector<standin::MenuEntry>& entries,
               int hot) {
    SysColour(cr, COLOR_MENU);
    cairo_paint(cr);
    Edge(cr, RECT{0, 0, layout.width, layout.height}, false);
    for (size_t i = 0; i < entries.size(); ++i) {
        const RECT& row = layout.rows[i];
        const standin::MenuEntry& entry = entries[i];
        if (entry.separator) {
            const double middle = (row.top + row.bottom) / 2.0;
            cairo_set_line_width(cr, 1);
            SysColour(cr, COLOR_3DSHADOW);
            cairo_move_to(cr, row.left + 1, middle - 0.5);
            cairo_line_to(cr, row.right - 1, middle - 0.5);
            cairo_stroke(cr);
            SysColour(cr, COLOR_3DHILIGHT);
            cairo_move_to(cr, row.left + 1, middle + 0.5);
            cairo_line_to(cr, row.right - 1, middle + 0.5);
            cairo_stroke(cr);
            continue;
        }
        const bool isHot = static_cast<int>(i) == hot;
        if (isHot) {
            SysColour(cr, COLOR_HIGHLIGHT);
            FillRect(cr, row);
        }
        const int textHeight = Text(cr, entry.text, 0, 0, 0, false).second;
        const int textTop = row.top + (row.bottom - row.top - textHeight) / 2;
        if (entry.grayed) {
            if (!isHot) {
                // The embossed grey of a disabled entry: a light copy one pixel down and right.
                SysColour(cr, COLOR_3DHILIGHT);
                Text(cr, entry.text, row.left + kMenuTextLeft + 1, textTop + 1, 0, true);
            }
            SysColour(cr, COLOR_GRAYTEXT);
        } else {
            SysColour(cr, isHot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        }
        Text(cr, entry.text, row.left + kMenuTextLeft, textTop, 0, true);
    }
}

int EntryAt(const MenuLayout& layout, const std::vector<standin::MenuEntry>& entries, POINT p) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].separator && PtInRect(&layout.rows[i], p)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int NextEntry(const std::vector<standin::MenuEntry>& entries, int from, int step) {
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        return -1;
    }
    int at = from < 0 ? (step > 0 ? -1 : count) : from;
    for (int tries = 0; tries < count; ++tries) {
        at = ((at + step) % count + count) % count;
        if (!entries[at].separator) {
            return at;
        }
    }
    return -1;
}

} // namespace display::live
