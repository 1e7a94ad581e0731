// A popup menu held by CMenu: the user cannot pick a grayed entry, a picked entry sends its command to
// the owner, dismissing sends nothing, and the menu is destroyed on every way out.
#include "test_support.h"

namespace {

constexpr UINT kPlus = 1006;
constexpr UINT kMinus = 1007;
constexpr UINT kCopy = 1001;

class MenuOwner : public CWnd {
public:
    EventLog log;

protected:
    afx_msg void OnPlus() { log.push_back("plus"); }
    afx_msg void OnMinus() { log.push_back("minus"); }
    afx_msg void OnCopy() { log.push_back("copy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
ON_COMMAND(kPlus, &MenuOwner::OnPlus)
ON_COMMAND(kMinus, &MenuOwner::OnMinus)
ON_COMMAND(kCopy, &MenuOwner::OnCopy)
END_MESSAGE_MAP()

struct MenuCase {
    const char* name;
    void (*answer)();
    const char* commands;
};
void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.name;
}

class PopupMenuTest : public MfcTest, public ::testing::WithParamInterface<MenuCase> {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                     200, nullptr, nullptr));
        m_menusBefore = standin::CountLiveObjects().menus;
    }
    void TearDown() override {
        m_owner.DestroyWindow();
        MfcTest::TearDown();
    }
    // Built and shown as a right-click handler does it; returns the menu's handle.
    HMENU ShowMenu() {
        CMenu menu;
        EXPECT_TRUE(menu.Attach(::CreatePopupMenu()));
        menu.AppendMenu(MF_STRING, kPlus, L"+");
        menu.AppendMenu(MF_STRING, kMinus, L"-");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, kCopy, L"Copy");
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        info.fState = MFS_GRAYED;
        ::SetMenuItemInfoW(menu.m_hMenu, kCopy, FALSE, &info);
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, &m_owner);
        HMENU handle = menu.GetSafeHmenu();
        menu.DestroyMenu();
        EXPECT_EQ(menu.m_hMenu, nullptr);
        return handle;
    }

    MenuOwner m_owner;
    int m_menusBefore = 0;
};

TEST_P(PopupMenuTest, AnswersTheUser) {
    GetParam().answer();
    HMENU shown = ShowMenu();
    automation::Pump();
    EXPECT_EQ(Joined(m_owner.log), GetParam().commands);
    EXPECT_FALSE(::IsMenu(shown));
    EXPECT_EQ(standin::CountLiveObjects().menus, m_menusBefore);
    ASSERT_EQ(standin::Menus().size(), 1u);
    EXPECT_TRUE(standin::Menus()[0].entries[3].grayed);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PopupMenuTest,
    ::testing::Values(MenuCase{"PickEnabled", [] { automation::PickNextMenuCommand(kMinus); }, "minus"},
                      MenuCase{"PickGrayed", [] { automation::PickNextMenuCommand(kCopy); }, ""},
                      MenuCase{"Dismiss", [] { automation::DismissNextMenu(); }, ""}),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });

TEST(CMenuLifetime, AnAttachedMenuEndsWithItsObjectEvenWhenAHandlerThrows) {
    int before = standin::CountLiveObjects().menus;
    HMENU handle = nullptr;
    try {
        CMenu menu;
        menu.CreatePopupMenu();
        handle = menu.m_hMenu;
        AfxThrowResourceException();
    } catch (CException* e) {
        e->Delete();
    }
    EXPECT_FALSE(::IsMenu(handle));
    EXPECT_EQ(standin::CountLiveObjects().menus, before);
}

TEST(CMenuLifetime, ADetachedMenuIsTheCallersToDestroy) {
    HMENU handle = nullptr;
    {
        CMenu menu;
        menu.CreatePopupMenu();
        handle = menu.Detach();
    }
    EXPECT_TRUE(::IsMenu(handle));
    EXPECT_FALSE(CMenu().DestroyMenu()) << "no menu held";
    ::DestroyMenu(handle);
}

} // namespace
