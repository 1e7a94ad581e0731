// The dialog manager as a person meets it: Esc and the frame's buttons reach the dialog procedure as
// the commands a dialog expects, Tab walks the template's tab stops, Enter presses the default button,
// and a control that wants its keys gets them.
#include "test_support.h"
#include "dialog_template_bytes.h"
#include "platform_marks.h"

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

const wchar_t kWantsKeys[] = L"WantsAllKeys";

LRESULT CALLBACK WantsKeysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    if (msg == WM_KEYDOWN)
        Journal().push_back("keys:" + std::to_string(wParam));
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const DialogItem kItems[] = {
    {WS_VISIBLE | WS_TABSTOP, 0, 5, 5, 40, 12, 10, kJournalClass, L"first"},
    {WS_VISIBLE, 0, 5, 20, 40, 12, 11, kJournalClass, L"no-tab-stop"},
    {WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 0, 5, 35, 40, 12, 12, kJournalClass, L"disabled"},
    {WS_VISIBLE | WS_TABSTOP, 0, 5, 50, 40, 12, 13, kJournalClass, L"fourth"},
    {WS_TABSTOP, 0, 5, 65, 40, 12, 14, kJournalClass, L"hidden"},
    {WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 5, 40, 14, 15, L"BUTTON", L"default"},
    {WS_VISIBLE | WS_TABSTOP, 0, 60, 25, 40, 40, 16, kWantsKeys, L""},
};

class DialogManager : public StandinTest {
protected:
    void SetUp() override {
        StandinTest::SetUp();
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = WantsKeysProc;
            wc.lpszClassName = kWantsKeys;
            registered = RegisterClassW(&wc) != 0;
        }
        DialogSpec tmpl{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | DS_CONTEXTHELP |
                            DS_NOFAILCREATE,
                        0,
                        10,
                        10,
                        120,
                        90,
                        L"d",
                        9,
                        FW_NORMAL,
                        0,
                        SHIFTJIS_CHARSET,
                        L"ＭＳ Ｐゴシック",
                        0,
                        kItems,
                        static_cast<WORD>(std::size(kItems))};
        m_dialog = CreateDialogIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), nullptr,
                                              JournalDialogProc, 0);
        ASSERT_NE(m_dialog, nullptr);
        ShowWindow(m_dialog, SW_SHOW);
        Pump(m_dialog);
        Journal().clear();
        SetDialogHook([this](HWND, UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* answer) {
            if (msg == WM_COMMAND)
                m_commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            if (msg == WM_SYSCOMMAND)
                m_sysCommands.push_back(wParam);
            // Windows' DefWindowProc would start the help mode, which waits for a person's click.
            if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CONTEXTHELP) {
                *answer = TRUE;
                return true;
            }
            return false;
        });
    }
    void TearDown() override {
        if (IsWindow(m_dialog))
            DestroyWindow(m_dialog);
        StandinTest::TearDown();
    }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    void PressKey(UINT vk, bool shift = false) {
        HWND target = GetFocus() ? GetFocus() : m_dialog;
        if (shift)
            HoldKey(VK_SHIFT, true);
        PostMessageW(target, WM_KEYDOWN, vk, 0);
        PostMessageW(target, WM_KEYUP, vk, 0);
        Pump(m_dialog);
        if (shift)
            HoldKey(VK_SHIFT, false);
    }
    void ClickFrame(LRESULT hit) {
        // Where the frame draws its buttons is the system's: the point is found by hit-testing the
        // caption from the right.
        RECT w;
        GetWindowRect(m_dialog, &w);
        POINT at{};
        bool found = false;
        for (LONG x = w.right - 1; x > w.left && !found; --x)
            for (LONG y = w.top; y < w.top + 40 && !found; ++y)
                if (SendMessageW(m_dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit) {
                    at = POINT{x - 2, y + 4};
                    found = SendMessageW(m_dialog, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == hit;
                }
        ASSERT_TRUE(found) << "no frame button answers " << hit;
        // The button's loop holds the mouse: the release comes as a client message.
        POINT client = at;
        ScreenToClient(m_dialog, &client);
        SetCursorPos(at.x, at.y);
        PostMessageW(m_dialog, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(at.x, at.y));
        PostMessageW(m_dialog, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        Pump(m_dialog);
    }

    struct Command {
        WORD id;
        WORD code;
        HWND from;
    };
    HWND m_dialog = nullptr;
    std::vector<Command> m_commands;
    std::vector<WPARAM> m_sysCommands;
};

TEST_F(DialogManager, EscReachesTheDialogProcedureAsIdCancel) {
    SetFocus(Item(13));
    PressKey(VK_ESCAPE);
    ASSERT_EQ(m_commands.size(), 1u);
    EXPECT_EQ(m_commands[0].id, IDCANCEL);
    EXPECT_EQ(m_commands[0].code, BN_CLICKED);
    EXPECT_TRUE(IsWindow(m_dialog)) << "what IDCANCEL does is the dialog procedure's business";
}

TEST_F(DialogManager, FrameButtonsSendTheirSystemCommands) {
    const bool hasHelp = (GetWindowLongW(m_dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0;
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's Dialog Box Styles page says DS_CONTEXTHELP "
                        "puts the question mark in the title bar; Wine's dialog has none",
                        EXPECT_TRUE(hasHelp));
    if (hasHelp) {
        ClickFrame(HTHELP);
        EXPECT_EQ(m_sysCommands, (std::vector<WPARAM>{SC_CONTEXTHELP}));
        EXPECT_TRUE(m_commands.empty());
        EXPECT_TRUE(IsWindow(m_dialog)) << "the help button closes nothing";
    }

    m_sysCommands.clear();
    ClickFrame(HTCLOSE);
    EXPECT_EQ(m_sysCommands, (std::vector<WPARAM>{SC_CLOSE}));
    ASSERT_EQ(m_commands.size(), 1u) << "SC_CLOSE -> WM_CLOSE -> IDCANCEL posted by the dialog manager";
    EXPECT_EQ(m_commands[0].id, IDCANCEL);
}

TEST_F(DialogManager, ReleasingAwayFromTheButtonSendsNothing) {
    RECT w;
    GetWindowRect(m_dialog, &w);
    POINT down{w.right - 14, w.top + 13};
    POINT client{10, 10};
    SetCursorPos(down.x, down.y);
    PostMessageW(m_dialog, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(down.x, down.y));
    // The pointer leaves the button before the release (the loop follows the moves).
    POINT away = client;
    ClientToScreen(m_dialog, &away);
    SetCursorPos(away.x, away.y);
    PostMessageW(m_dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    PostMessageW(m_dialog, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump(m_dialog);
    EXPECT_TRUE(m_sysCommands.empty());
}

TEST_F(DialogManager, TabWalksVisibleEnabledTabStopsInTemplateOrder) {
    SetFocus(Item(10));
    std::vector<int> forward;
    for (int i = 0; i < 4; ++i) {
        PressKey(VK_TAB);
        forward.push_back(GetDlgCtrlID(GetFocus()));
    }
    std::vector<int> expected{13, 15, 16, 16}; // the last control wants Tab itself
    if (!Item(15))
        expected = {13, 16, 16, 16}; // a build without the BUTTON class
    EXPECT_EQ(forward, expected);
    SetFocus(Item(10));
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 16) << "Shift+Tab wraps backwards";
    EXPECT_EQ(GetNextDlgTabItem(m_dialog, Item(13), FALSE), Item(15) ? Item(15) : Item(16));
    EXPECT_EQ(GetNextDlgTabItem(m_dialog, nullptr, FALSE), Item(10));
}

TEST_F(DialogManager, AControlThatWantsAllKeysGetsEscAndTab) {
    SetFocus(Item(16));
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    EXPECT_EQ(Journal(), (Lines{"keys:27", "keys:9"}));
    EXPECT_TRUE(m_commands.empty());
    EXPECT_EQ(GetFocus(), Item(16));
}

TEST_F(DialogManager, EnterPressesTheDefaultButton) {
    if (!Item(15))
        GTEST_SKIP() << "no BUTTON class in this build";
    EXPECT_EQ(SendMessageW(m_dialog, DM_GETDEFID, 0, 0), MAKELONG(15, DC_HASDEFID));
    SetFocus(Item(13));
    PressKey(VK_RETURN);
    ASSERT_EQ(m_commands.size(), 1u);
    EXPECT_EQ(m_commands[0].id, 15);
    EXPECT_EQ(m_commands[0].from, Item(15));
}

TEST_F(DialogManager, CloseMessagePostsIdCancelAndDestroysNothing) {
    SendMessageW(m_dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m_commands.empty()) << "posted, not sent";
    Pump(m_dialog);
    ASSERT_EQ(m_commands.size(), 1u);
    EXPECT_EQ(m_commands[0].id, IDCANCEL);
    EXPECT_TRUE(IsWindow(m_dialog));
}

TEST_F(DialogManager, FocusComesBackWhenTheDialogIsActivatedAgain) {
    SetFocus(Item(13));
    HWND other = MakeWindow(L"other", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50);
    EXPECT_EQ(GetFocus(), other);
    SetActiveWindow(m_dialog);
    EXPECT_EQ(GetFocus(), Item(13));
    DestroyWindow(other);
}

TEST_F(DialogManager, HandledMessageAnswersThroughDwlpMsgResult) {
    SetDialogHook([](HWND dialog, UINT msg, WPARAM, LPARAM, INT_PTR* answer) {
        if (msg != WM_USER + 9)
            return false;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1234);
        *answer = TRUE;
        return true;
    });
    EXPECT_EQ(SendMessageW(m_dialog, WM_USER + 9, 0, 0), 1234);
    EXPECT_EQ(SendMessageW(m_dialog, WM_USER + 10, 0, 0), 0);
}

} // namespace
} // namespace win32test
