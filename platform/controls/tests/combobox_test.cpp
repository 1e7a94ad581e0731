// Drop-down-list combo boxes as a person uses them: opening the list and picking with the mouse,
// stepping with the keys, closing without a choice; and the CB_* answers the dialog code relies on.
#include "sample_dialog.h"

#include <automation.h>
#include <platform_marks.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace sample;

class ComboBoxes : public ::testing::Test {
protected:
    SampleDialog dialog;
    HWND combo() const { return dialog.item(kComboA); }
    int Selected() const { return static_cast<int>(SendMessageW(combo(), CB_GETCURSEL, 0, 0)); }
    std::wstring FaceText() const {
        wchar_t text[64] = {};
        GetWindowTextW(combo(), text, 64);
        return text;
    }
};

TEST_F(ComboBoxes, PickingWithTheMouseNotifiesInWindowsOrder) {
    ASSERT_TRUE(automation::ChooseComboItem(combo(), 3));
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(FaceText(), L"小数点以下2位");
    EXPECT_FALSE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(GetCapture(), nullptr) << "the closed list gives the mouse back";
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SETFOCUS\n"
                                   "105 CBN_DROPDOWN\n"
                                   "105 CBN_SELENDOK\n"
                                   "105 CBN_CLOSEUP\n"
                                   "105 CBN_SELCHANGE\n");
}

TEST_F(ComboBoxes, AnItemBelowTheOpenListIsScrolledToAndPicked) {
    ASSERT_TRUE(automation::ChooseComboItem(combo(), 7)); // 8 items, 5 show at once
    EXPECT_EQ(Selected(), 7);
    ASSERT_TRUE(automation::ChooseComboItem(combo(), 0));
    EXPECT_EQ(Selected(), 0);
    // Picking the item already selected is reported as well, as Windows does for a mouse pick.
    ASSERT_TRUE(automation::ChooseComboItem(combo(), 0));
    const std::string events = dialog.takeEvents();
    size_t changes = 0;
    for (size_t at = events.find("CBN_SELCHANGE"); at != std::string::npos;
         at = events.find("CBN_SELCHANGE", at + 1)) {
        ++changes;
    }
    EXPECT_EQ(changes, 3u) << events;
}

TEST_F(ComboBoxes, KeysStepTheSelectionAndNotifyOnlyRealChanges) {
    SendMessageW(combo(), CB_SETCURSEL, 6, 0);
    automation::Focus(combo());
    dialog.takeEvents();
    const struct {
        UINT key;
        int selected;
    } steps[] = {{VK_DOWN, 7}, {VK_DOWN, 7}, {VK_UP, 6}, {VK_HOME, 0}, {VK_UP, 0}, {VK_END, 7}};
    std::string expected;
    int previous = 6;
    for (const auto& step : steps) {
        automation::PressKey(step.key);
        EXPECT_EQ(Selected(), step.selected) << "key " << step.key;
        if (step.selected != previous) {
            expected += "105 CBN_SELENDOK\n105 CBN_SELCHANGE\n"; // the closed list's choice is final
        }
        previous = step.selected;
    }
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's CBN_SELCHANGE page says it is sent when the "
                        "user changes the selection; Wine sends it for a key that stays on the same item",
                        EXPECT_EQ(dialog.takeEvents(), expected));
}

TEST_F(ComboBoxes, ClosingWithoutAChoiceKeepsTheSelection) {
    SendMessageW(combo(), CB_SETCURSEL, 1, 0);
    ASSERT_TRUE(automation::Click(combo()));
    ASSERT_TRUE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    dialog.takeEvents();
    automation::PressKey(VK_ESCAPE); // closes the list, not the dialog
    EXPECT_FALSE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SELENDCANCEL\n105 CBN_CLOSEUP\n");

    ASSERT_TRUE(automation::Click(combo()));
    dialog.takeEvents();
    automation::ClickAt(dialog.hwnd(), POINT{300, 10}); // somewhere else in the dialog
    EXPECT_FALSE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SELENDCANCEL\n105 CBN_CLOSEUP\n");
}

// In the open list the keys move the selection as they go; Esc ends the choice without accepting it
// and closes the list, keeping the item the keys reached (the parent was told of each change and is
// told the choice is cancelled), and Return accepts it. The dialog stays open either way.
TEST_F(ComboBoxes, EscInTheOpenListClosesItAndReturnAcceptsWhatTheKeysChose) {
    SendMessageW(combo(), CB_SETCURSEL, 1, 0);
    ASSERT_TRUE(automation::Click(combo()));
    dialog.takeEvents();
    automation::PressKey(VK_DOWN);
    automation::PressKey(VK_DOWN);
    EXPECT_TRUE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0)) << "the keys move in the open list";
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SELCHANGE\n105 CBN_SELCHANGE\n") << "no choice is ended yet";
    automation::PressKey(VK_ESCAPE);
    EXPECT_FALSE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(FaceText(), L"小数点以下2位");
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SELENDCANCEL\n105 CBN_CLOSEUP\n");

    automation::PressKey(VK_F4);
    automation::PressKey(VK_UP);
    dialog.takeEvents();
    automation::PressKey(VK_RETURN);
    EXPECT_FALSE(SendMessageW(combo(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(dialog.takeEvents(), "105 CBN_SELENDOK\n105 CBN_CLOSEUP\n");
}

TEST_F(ComboBoxes, SetCurSelOutsideTheItemsLeavesNoSelection) {
    const struct {
        WPARAM index;
        LRESULT result;
        int selected;
    } cases[] = {{2, 2, 2}, {7, 7, 7},        {8, CB_ERR, -1},
                 {0, 0, 0}, {99, CB_ERR, -1}, {static_cast<WPARAM>(-1), CB_ERR, -1}};
    for (const auto& each : cases) {
        EXPECT_EQ(SendMessageW(combo(), CB_SETCURSEL, each.index, 0), each.result) << "index " << each.index;
        if (each.result == CB_ERR && each.index != static_cast<WPARAM>(-1)) {
            BR_FAILS_ON_WINDOWS(
                "Wine differs from Windows: Microsoft's CB_SETCURSEL page says an index beyond "
                "the items returns CB_ERR and the selection is cleared; Wine keeps it",
                EXPECT_EQ(Selected(), each.selected) << "index " << each.index);
        } else {
            EXPECT_EQ(Selected(), each.selected) << "index " << each.index;
        }
    }
    EXPECT_EQ(FaceText(), L"");
    EXPECT_EQ(dialog.takeEvents(), "") << "CB_SETCURSEL is not the user's choice";
}

TEST_F(ComboBoxes, ItemTextsAndCounts) {
    HWND other = dialog.item(kComboB);
    EXPECT_EQ(SendMessageW(other, CB_GETCOUNT, 0, 0), 3);
    wchar_t text[32] = {};
    EXPECT_EQ(SendMessageW(other, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_STREQ(text, L"切り上げ");
    EXPECT_EQ(SendMessageW(other, CB_GETLBTEXTLEN, 2, 0), 4);
    EXPECT_EQ(SendMessageW(other, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(SendMessageW(other, CB_GETLBTEXTLEN, static_cast<WPARAM>(-1), 0), CB_ERR);
    EXPECT_EQ(SendMessageW(other, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"切り")),
              1);
}

TEST_F(ComboBoxes, TheFaceIsOneItemHighAndTheListFitsTheTemplateHeight) {
    RECT face{};
    GetWindowRect(combo(), &face);
    const LRESULT fieldHeight = SendMessageW(combo(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(face.bottom - face.top, fieldHeight + 2 * GetSystemMetrics(SM_CYEDGE))
        << "the selection field and the sunken edge around it";
    RECT dropped{};
    SendMessageW(combo(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.top, face.top);
    EXPECT_LE(dropped.bottom - dropped.top, 102) << "68 dialog units high at most, face included";
}

} // namespace
