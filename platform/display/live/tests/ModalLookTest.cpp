// The live message boxes and menus answer as Windows' do: which buttons a box type has, what Esc and
// the × button answer, which button is the default, which menu entries the keys and the mouse reach.
#include "../ModalLook.h"

#include <gtest/gtest.h>

using display::live::BoxLayout;
using display::live::ButtonAt;
using display::live::EntryAt;
using display::live::LayoutMenu;
using display::live::LayoutMessageBox;
using display::live::MenuLayout;
using display::live::NextEntry;
using standin::MenuEntry;

namespace {

std::vector<int> Answers(const BoxLayout& box) {
    std::vector<int> answers;
    for (const auto& button : box.buttons) {
        answers.push_back(button.answer);
    }
    return answers;
}

TEST(LiveMessageBox, ButtonsEscapeAndDefaultFollowTheBoxType) {
    const struct {
        UINT flags;
        std::vector<int> buttons;
        int escape;
        size_t defaultButton;
        int dismiss; // when the program quits with the box up
    } cases[] = {
        {MB_OK, {IDOK}, IDOK, 0, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL, 0, IDCANCEL},
        {MB_YESNO, {IDYES, IDNO}, 0, 0, IDNO}, // a Yes/No question must be answered; quitting says No
        {MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, 0, 1, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL, 2, IDCANCEL},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL, 0, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, {IDABORT, IDRETRY, IDIGNORE}, 0, 1, IDRETRY},
        {MB_OKCANCEL | MB_DEFBUTTON3, {IDOK, IDCANCEL}, IDCANCEL, 0, IDCANCEL}, // no third button
        {MB_OK | MB_ICONEXCLAMATION, {IDOK}, IDOK, 0, IDOK},
    };
    for (const auto& c : cases) {
        const BoxLayout box = LayoutMessageBox(L"すべて削除します。よろしいですか？", c.flags);
        EXPECT_EQ(Answers(box), c.buttons) << std::hex << c.flags;
        EXPECT_EQ(box.escapeAnswer, c.escape) << std::hex << c.flags;
        EXPECT_EQ(box.defaultButton, c.defaultButton) << std::hex << c.flags;
        EXPECT_EQ(box.dismissAnswer, c.dismiss) << std::hex << c.flags;
    }
}

TEST(LiveMessageBox, ButtonsSitSideBySideInsideTheBoxAndAnswerClicks) {
    for (UINT flags : {UINT(MB_OK), UINT(MB_YESNOCANCEL | MB_ICONQUESTION), UINT(MB_ABORTRETRYIGNORE)}) {
        const BoxLayout box = LayoutMessageBox(L"クリップボードを開けませんでした。", flags);
        const RECT whole{0, 0, box.width, box.height};
        for (size_t i = 0; i < box.buttons.size(); ++i) {
            const RECT& r = box.buttons[i].rect;
            EXPECT_TRUE(r.left >= 0 && r.right <= whole.right && r.bottom <= whole.bottom);
            EXPECT_GT(r.top, box.text.bottom); // under the text
            if (i > 0) {
                EXPECT_GT(r.left, box.buttons[i - 1].rect.right);
                EXPECT_EQ(r.top, box.buttons[i - 1].rect.top);
            }
            EXPECT_EQ(ButtonAt(box, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}),
                      box.buttons[i].answer);
        }
        EXPECT_EQ(ButtonAt(box, POINT{box.width / 2, box.caption.bottom - 2}), 0);
        // Centred: the same margin left of the first and right of the last button.
        EXPECT_NEAR(box.buttons.front().rect.left, box.width - box.buttons.back().rect.right, 1);
    }
}

TEST(LiveMessageBox, LongTextWrapsAndLongTitlesWidenTheBoxOnlyUpToALine) {
    const BoxLayout shortBox = LayoutMessageBox(L"OK?", MB_OK);
    const BoxLayout longBox = LayoutMessageBox(std::wstring(400, L'あ'), MB_OK);
    EXPECT_LT(longBox.width, 600);
    EXPECT_GT(longBox.height, shortBox.height + 40);
    // A title wider than the body widens the box so that it stays clear of the × button; an endless
    // one is cut (with an ellipsis) at the width a line of text may take.
    const BoxLayout titled = LayoutMessageBox(L"OK?", MB_OK, L"計測結果の合計ダイアログからのお知らせ");
    EXPECT_GT(titled.width, shortBox.width + 60);
    const BoxLayout endless = LayoutMessageBox(L"OK?", MB_OK, std::wstring(300, L'計'));
    EXPECT_LE(endless.width, longBox.width);
}

std::vector<MenuEntry> ListMenu() {
    return {{1006, L"＋", false, false},
            {1007, L"－", false, false},
            {0, L"", true, false},
            {1003, L"すべて選択", false, false},
            {0, L"", true, false},
            {1004, L"削除", false, false},
            {1005, L"すべて削除", false, false},
            {0, L"", true, false},
            {1001, L"クリップボードにコピー", false, true},
            {1002, L"クリップボードにすべてコピー", false, false}};
}

TEST(LiveMenu, KeysPassOverSeparatorsAndWrapButStopOnGrayedEntries) {
    const auto entries = ListMenu();
    // Down from nothing, then on: separators are passed over, the grayed copy entry is reached.
    std::vector<int> visited;
    int at = -1;
    for (int i = 0; i < 8; ++i) {
        at = NextEntry(entries, at, +1);
        visited.push_back(at);
    }
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 3, 5, 6, 8, 9, 0}));
    EXPECT_EQ(NextEntry(entries, -1, -1), 9);
    EXPECT_EQ(NextEntry(entries, 3, -1), 1);
    EXPECT_EQ(NextEntry({{0, L"", true, false}}, -1, +1), -1);
}

TEST(LiveMenu, RowsStackWithoutGapsAndSeparatorsAreNotPicked) {
    const auto entries = ListMenu();
    const MenuLayout menu = LayoutMenu(entries);
    ASSERT_EQ(menu.rows.size(), entries.size());
    for (size_t i = 1; i < menu.rows.size(); ++i) {
        EXPECT_EQ(menu.rows[i].top, menu.rows[i - 1].bottom);
    }
    EXPECT_LT(menu.rows[2].bottom - menu.rows[2].top, menu.rows[0].bottom - menu.rows[0].top);
    for (size_t i = 0; i < entries.size(); ++i) {
        const RECT& r = menu.rows[i];
        const int expected = entries[i].separator ? -1 : static_cast<int>(i);
        EXPECT_EQ(EntryAt(menu, entries, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), expected);
    }
    EXPECT_EQ(EntryAt(menu, entries, POINT{menu.width / 2, menu.height + 5}), -1);
}

} // namespace
