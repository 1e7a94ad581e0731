// Message boxes and popup menus: answered by queued answers, a provider or the defaults, recorded,
// modal for the owner, and menus post their command the way Windows does.
#include "test_support.h"
#include "platform_marks.h"

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

class ModalRecords : public StandinTest {
protected:
    void TearDown() override {
        standin::SetInteractiveModal(nullptr);
        standin::SetMessageBoxObserver(nullptr);
        standin::SetMenuObserver(nullptr);
        StandinTest::TearDown();
    }
};

TEST_F(ModalRecords, MessageBoxTakesTheQueuedAnswerOrItsDefaultButton) {
    struct Case {
        UINT flags;
        int queued; // 0: none
        int answer;
        bool defaulted;
    };
    const Case cases[] = {
        {MB_OK, 0, IDOK, true},
        {MB_YESNO | MB_ICONQUESTION, 0, IDYES, true},
        {MB_YESNO | MB_DEFBUTTON2, 0, IDNO, true},
        {MB_YESNO, IDNO, IDNO, false},
        {MB_OKCANCEL, IDCANCEL, IDCANCEL, false},
        {MB_OK, IDYES, IDOK, true}, // a button the box does not have cannot be pressed
    };
    HWND owner = MakeWindow(L"o", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
    int observed = 0;
    standin::SetMessageBoxObserver([&](const standin::MessageBoxRecord&) { ++observed; });
    for (const Case& c : cases) {
        if (c.queued)
            standin::QueueMessageBoxAnswer(c.queued);
        EXPECT_EQ(MessageBoxW(owner, L"すべて削除しますか？", L"確認", c.flags), c.answer)
            << std::hex << c.flags;
        standin::MessageBoxRecord record = standin::MessageBoxes().back();
        EXPECT_EQ(record.owner, owner);
        EXPECT_EQ(record.text, L"すべて削除しますか？");
        EXPECT_EQ(record.caption, L"確認");
        EXPECT_EQ(record.flags, c.flags);
        EXPECT_EQ(record.answer, c.answer);
        EXPECT_EQ(record.defaulted, c.defaulted) << std::hex << c.flags;
    }
    EXPECT_EQ(observed, static_cast<int>(std::size(cases)));
    EXPECT_EQ(standin::MessageBoxes().size(), std::size(cases));
    standin::ClearMessageBoxes();
    EXPECT_TRUE(standin::MessageBoxes().empty());
    DestroyWindow(owner);
}

struct Provider : standin::InteractiveModal {
    HWND top = nullptr;
    bool ownerEnabledDuringBox = true;
    int messageBox(HWND, const std::wstring&, const std::wstring&, UINT) override {
        ownerEnabledDuringBox = IsWindowEnabled(top);
        return IDNO;
    }
    UINT popupMenu(HWND, POINT, const std::vector<standin::MenuEntry>& entries) override {
        return entries.empty() ? 0 : entries.front().command;
    }
};

TEST_F(ModalRecords, TheOwnersWindowIsDisabledWhileABoxIsUp) {
    HWND top = MakeWindow(L"T", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top, 1);
    SetFocus(child);
    Provider provider;
    provider.top = top;
    standin::SetInteractiveModal(&provider);
    EXPECT_EQ(MessageBoxW(child, L"t", nullptr, MB_YESNO), IDNO);
    EXPECT_FALSE(provider.ownerEnabledDuringBox) << "the owner's top-level window, not just the child";
    EXPECT_TRUE(IsWindowEnabled(top));
    EXPECT_EQ(GetFocus(), top)
        << "the owner is activated again, and a plain window activated takes the focus";
    // Without a caption the box is titled "Error" in the system's language.
    BR_STANDIN_ONLY("the stand-in is a Japanese system; the test prefix's Windows speaks English",
                    EXPECT_EQ(standin::MessageBoxes().back().caption, L"エラー"));
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's MessageBox page says a call that fails "
                        "returns zero; Wine's returns -1 for a dead owner",
                        EXPECT_EQ(MessageBoxW(reinterpret_cast<HWND>(0x10000001), L"t", L"c", MB_OK), 0)
                            << "a dead owner: no box");
    DestroyWindow(top);
}

HMENU ListMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1006, L"＋");
    AppendMenuW(menu, MF_STRING, 1007, L"－");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 1001, L"削除");
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    info.fState = MFS_GRAYED;
    SetMenuItemInfoW(menu, 1001, FALSE, &info);
    return menu;
}

TEST_F(ModalRecords, PickedMenuCommandArrivesAfterTrackPopupMenuReturns) {
    HWND owner = MakeWindow(L"o", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Watched() = {WM_COMMAND, WM_INITMENUPOPUP};
    HMENU menu = ListMenu();
    standin::QueueMenuChoice(1007);
    EXPECT_TRUE(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, 40, 50, 0, owner, nullptr));
    EXPECT_EQ(Journal(), (Lines{"o:WM_INITMENUPOPUP"})) << "the command is posted, not yet handled";
    Pump();
    EXPECT_EQ(Journal(), (Lines{"o:WM_INITMENUPOPUP", "o:WM_COMMAND"}));

    standin::MenuRecord record = standin::Menus().back();
    EXPECT_EQ(record.owner, owner);
    EXPECT_EQ(record.at.x, 40);
    EXPECT_EQ(record.chosen, 1007u);
    ASSERT_EQ(record.entries.size(), 4u);
    EXPECT_EQ(record.entries[0].text, L"＋");
    EXPECT_TRUE(record.entries[2].separator);
    EXPECT_TRUE(record.entries[3].grayed);
    DestroyMenu(menu);
    DestroyWindow(owner);
}

TEST_F(ModalRecords, GrayedAbsentOrDismissedChoicesPostNothing) {
    HWND owner = MakeWindow(L"o", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Watched() = {WM_COMMAND};
    HMENU menu = ListMenu();
    for (UINT choice : {1001u, 4242u, 0u}) {
        standin::QueueMenuChoice(choice);
        EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr));
        EXPECT_EQ(standin::Menus().back().chosen, 0u) << choice;
    }
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr)) << "nothing queued: dismissed";
    Pump();
    EXPECT_TRUE(Journal().empty());
    standin::QueueMenuChoice(1006);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 1006);
    Pump();
    EXPECT_TRUE(Journal().empty()) << "TPM_RETURNCMD returns the command instead of posting it";
    DestroyMenu(menu);
    DestroyWindow(owner);
}

TEST_F(ModalRecords, MenuStatesByCommandAndByPosition) {
    HMENU menu = ListMenu();
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuState(menu, 1001, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, 1001, MF_BYCOMMAND | MF_ENABLED), static_cast<BOOL>(MFS_GRAYED));
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(EnableMenuItem(menu, 9999, MF_GRAYED), -1);
    EXPECT_EQ(GetMenuItemID(menu, 1), 1007u);
    wchar_t text[8];
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_ID;
    info.dwTypeData = text;
    info.cch = 8;
    ASSERT_TRUE(GetMenuItemInfoW(menu, 3, TRUE, &info));
    EXPECT_STREQ(text, L"削除");
    EXPECT_EQ(info.wID, 1001u);
    info.cbSize = 3;
    EXPECT_FALSE(SetMenuItemInfoW(menu, 1001, FALSE, &info)) << "a structure of the wrong size is refused";
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 0, 0, 0, nullptr, nullptr));
}

} // namespace
} // namespace win32test
