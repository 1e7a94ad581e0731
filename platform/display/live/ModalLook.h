// How a message box and a popup menu look on the live display: their layout (where each button and
// entry sits, for painting and for hit-testing the person's clicks) and their painting, in the
// classic look and system colours of the stand-in. Pure functions of their state: no windows here.
//
// Not done here: the icons' artwork beyond a plain sign in a circle, mnemonics' underlines, check
// marks and submenus in menus, help buttons (MB_HELP), right-to-left layouts.
#pragma once

#include <standin/hooks.h>

#include <cairo.h>

#include <string>
#include <vector>

namespace display::live {

struct BoxButton {
    int answer = 0; // IDOK, IDCANCEL, IDYES, ...
    std::wstring text;
    RECT rect{};
};

struct BoxLayout {
    int width = 0;
    int height = 0;
    RECT caption{};
    RECT close{}; // the caption's × button
    RECT text{};
    RECT icon{}; // empty when the box has no icon
    std::vector<BoxButton> buttons;
    size_t defaultButton = 0;
    int escapeAnswer = 0; // 0: Esc and × do nothing (a Yes/No box)
    // The answer when the box must go without the person's choice (the program is asked to quit, or no
    // window could be shown): Esc's answer, else No, else the default button; never a destructive Yes.
    int dismissAnswer = 0;
};

// The box is made wide enough for its body and for its `caption` (a long title ends in an ellipsis).
BoxLayout LayoutMessageBox(const std::wstring& text, UINT flags, const std::wstring& caption = {});
void PaintMessageBox(cairo_t* cr, const BoxLayout& layout, const std::wstring& text,
                     const std::wstring& caption, UINT flags, size_t focused, int pressed);
// The answer of the button under a point of the box (0 when none).
int ButtonAt(const BoxLayout& layout, POINT p);

struct MenuLayout {
    int width = 0;
    int height = 0;
    std::vector<RECT> rows; // one per entry, separators included
};

MenuLayout LayoutMenu(const std::vector<standin::MenuEntry>& entries);
void PaintMenu(cairo_t* cr, const MenuLayout& layout, const std::vector<standin::MenuEntry>& entries,
               int hot);
// The entry under a point of the menu; -1 when none or a separator.
int EntryAt(const MenuLayout& layout, const std::vector<standin::MenuEntry>& entries, POINT p);
// The next entry that keys can move to from `from` in `step` (+1, -1) direction: separators are passed
// over, grayed entries are not (as in Windows menus). -1 when the menu has none.
int NextEntry(const std::vector<standin::MenuEntry>& entries, int from, int step);

} // namespace display::live
