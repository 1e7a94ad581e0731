// Tooltips as the dialog sets them up: tools for controls, mouse messages relayed from the message
// loop's pre-translate step, and the tip a person sees when the pointer rests on a tool.
#include "sample_dialog.h"

#include <automation.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cwchar>
#include <thread>

namespace {

using namespace sample;

class Tooltips : public ::testing::Test {
protected:
    SampleDialog dialog;
    HWND tip = nullptr;

    void SetUp() override {
        tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, dialog.hwnd(), nullptr, nullptr, nullptr);
        ASSERT_NE(tip, nullptr);
        AddTool(dialog.item(kCheck), L"リストを作図します");
        AddTool(dialog.item(kDisabledPush), L"使えません");
        // The loop relays the mouse to the tooltip as a dialog's PreTranslateMessage does.
        automation::SetPreTranslateHook([this](MSG* msg) {
            if (msg->message == WM_MOUSEMOVE || msg->message == WM_LBUTTONDOWN ||
                msg->message == WM_LBUTTONUP) {
                SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
            }
            return IsDialogMessageW(dialog.hwnd(), msg) != FALSE;
        });
    }
    void TearDown() override {
        automation::SetPreTranslateHook({});
        DestroyWindow(tip);
    }

    void AddTool(HWND control, const wchar_t* text) {
        TOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND;
        info.hwnd = dialog.hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = const_cast<LPWSTR>(text);
        ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
    }
    void ShowAtOnce() { SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(0, 0)); }
};

TEST_F(Tooltips, ATipWithoutDelayShowsAtOnceAndGoesWhenThePointerLeaves) {
    ShowAtOnce();
    EXPECT_EQ(automation::Hover(dialog.item(kCheck)), L"リストを作図します");
    EXPECT_TRUE(IsWindowVisible(tip));
    RECT check{};
    RECT shown{};
    GetWindowRect(dialog.item(kCheck), &check);
    GetWindowRect(tip, &shown);
    EXPECT_GT(shown.top, (check.top + check.bottom) / 2) << "the tip shows below the pointer";
    EXPECT_EQ(automation::Hover(dialog.item(kPush)), L"") << "no tool there";
    EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(Tooltips, ADelayedTipWaitsForItsTimer) {
    // Long enough that a pointer resting for the system's shortest timers, on a busy machine, is early.
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(300, 0));
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 300);
    EXPECT_EQ(automation::Hover(dialog.item(kCheck)), L"");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    automation::Pump();
    EXPECT_TRUE(IsWindowVisible(tip));
    wchar_t text[64] = {};
    GetWindowTextW(tip, text, 64);
    EXPECT_STREQ(text, L"リストを作図します");
}

TEST_F(Tooltips, AClickPutsTheTipAwayUntilThePointerComesBack) {
    ShowAtOnce();
    ASSERT_EQ(automation::Hover(dialog.item(kCheck)), L"リストを作図します");
    automation::Click(dialog.item(kCheck));
    EXPECT_FALSE(IsWindowVisible(tip));
    RECT check{};
    GetWindowRect(dialog.item(kCheck), &check);
    automation::MoveMouse(POINT{check.left + 3, check.top + 3}); // still on the clicked tool
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(automation::Hover(dialog.item(kCheck)), L"リストを作図します") << "left and came back";
}

// A disabled button gets no mouse input; its parent does, at the button's place. A window tool answers
// only its own window's messages, so the button's tool stays silent there, and a rectangle tool of
// the parent over the button is what gives a disabled control a tip.
TEST_F(Tooltips, ADisabledControlsTipComesFromARectangleOfItsParent) {
    ShowAtOnce();
    EXPECT_EQ(automation::Hover(dialog.item(kDisabledPush)), L"") << "the parent's mouse is not the button's";

    constexpr UINT_PTR kDisabledPushArea = 1;
    RECT area{};
    GetWindowRect(dialog.item(kDisabledPush), &area);
    MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&area), 2);
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = dialog.hwnd();
    info.uId = kDisabledPushArea;
    info.rect = area;
    info.lpszText = const_cast<LPWSTR>(L"押せません");
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(automation::Hover(dialog.item(kDisabledPush)), L"押せません");
}

TEST_F(Tooltips, ToolsCanBeAskedForAndRemoved) {
    ShowAtOnce();
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = dialog.hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(dialog.item(kCheck));
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"リストを作図します");

    ASSERT_EQ(automation::Hover(dialog.item(kCheck)), L"リストを作図します");
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_FALSE(IsWindowVisible(tip)) << "the tip of a removed tool goes with it";
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(automation::Hover(dialog.item(kCheck)), L"");
    SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
    EXPECT_EQ(automation::Hover(dialog.item(kDisabledPush)), L"") << "an inactive tooltip shows nothing";
}

} // namespace
