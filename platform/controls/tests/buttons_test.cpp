// Buttons as a person uses them: clicks and the space bar notify the parent, automatic check boxes
// and radio buttons change first, radio groups end at the next WS_GROUP, and a disabled button can
// be neither clicked nor made to notify.
#include "sample_dialog.h"

#include <automation.h>
#include <platform_marks.h>

#include <gtest/gtest.h>

namespace {

using namespace sample;

class Buttons : public ::testing::Test {
protected:
    SampleDialog dialog;
    UINT Checked(int id) const { return static_cast<UINT>(SendMessageW(dialog.item(id), BM_GETCHECK, 0, 0)); }
};

TEST_F(Buttons, ClicksFlipACheckBoxBeforeTheParentHears) {
    ASSERT_TRUE(automation::Click(dialog.item(kCheck)));
    EXPECT_EQ(Checked(kCheck), static_cast<UINT>(BST_CHECKED));
    ASSERT_TRUE(automation::Click(dialog.item(kCheck)));
    EXPECT_EQ(Checked(kCheck), static_cast<UINT>(BST_UNCHECKED));
    ASSERT_TRUE(automation::Click(dialog.item(kPush)));
    EXPECT_EQ(dialog.takeEvents(), "100 BN_CLICKED\n100 BN_CLICKED\n107 BN_CLICKED\n");
    EXPECT_EQ(GetFocus(), dialog.item(kPush)) << "a click gives the button the focus";
}

TEST_F(Buttons, RadioGroupsRunToTheNextGroupStart) {
    struct Step {
        int click;
        UINT a1, a2, b1, b2;
    };
    const Step steps[] = {
        {kRadioA2, 0, 1, 0, 0}, {kRadioB1, 0, 1, 1, 0}, // another group: A2 stays checked
        {kRadioA1, 1, 0, 1, 0}, {kRadioB2, 1, 0, 0, 1},
        {kRadioB2, 1, 0, 0, 1}, // clicking the checked one changes nothing but still notifies
    };
    std::string expected;
    for (const Step& step : steps) {
        ASSERT_TRUE(automation::Click(dialog.item(step.click)));
        expected += std::to_string(step.click) + " BN_CLICKED\n";
        EXPECT_EQ(
            (std::vector<UINT>{Checked(kRadioA1), Checked(kRadioA2), Checked(kRadioB1), Checked(kRadioB2)}),
            (std::vector<UINT>{step.a1, step.a2, step.b1, step.b2}))
            << "after clicking " << step.click;
    }
    EXPECT_EQ(dialog.takeEvents(), expected);
}

TEST_F(Buttons, TheCheckedRadioIsTheOneTabStopsAt) {
    SendMessageW(dialog.item(kRadioA2), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(dialog.item(kRadioA1), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(GetWindowLongW(dialog.item(kRadioA2), GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongW(dialog.item(kRadioA1), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(dialog.takeEvents(), "") << "BM_SETCHECK is not a click";
}

TEST_F(Buttons, ADisabledButtonCannotBeClickedByAnyPath) {
    HWND disabled = dialog.item(kDisabledPush);
    EXPECT_FALSE(automation::Click(disabled));
    SendMessageW(disabled, BM_CLICK, 0, 0);
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's BN_CLICKED page says a disabled button does "
                        "not send BN_CLICKED; Wine's sends it for BM_CLICK",
                        EXPECT_EQ(dialog.takeEvents(), ""));
    EnableWindow(dialog.item(kCheck), FALSE);
    EXPECT_FALSE(automation::Click(dialog.item(kCheck)));
    EXPECT_EQ(Checked(kCheck), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(dialog.takeEvents(), "");

    EnableWindow(disabled, TRUE);
    EXPECT_TRUE(automation::Click(disabled));
    EXPECT_EQ(dialog.takeEvents(), "108 BN_CLICKED\n");
}

TEST_F(Buttons, SpaceBarAndBmClickAreClicksToo) {
    automation::Focus(dialog.item(kCheck));
    automation::PressKey(VK_SPACE);
    EXPECT_EQ(Checked(kCheck), static_cast<UINT>(BST_CHECKED));
    SendMessageW(dialog.item(kRadioB2), BM_CLICK, 0, 0);
    EXPECT_EQ(Checked(kRadioB2), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dialog.takeEvents(), "100 BN_CLICKED\n114 BN_CLICKED\n");
}

TEST_F(Buttons, PressingAndLeavingTheButtonIsNoClick) {
    HWND push = dialog.item(kPush);
    RECT rect{};
    GetWindowRect(push, &rect);
    automation::MoveMouse(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    PostMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    automation::Pump();
    EXPECT_TRUE(SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    // Released outside: the button holds the mouse, so the release still comes to it.
    PostMessageW(push, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    automation::Pump();
    EXPECT_FALSE(SendMessageW(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(dialog.takeEvents(), "");
}

} // namespace
