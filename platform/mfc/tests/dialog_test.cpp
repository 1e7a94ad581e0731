// The sample dialog, created modeless from the sample library's resources, driven as a user drives it:
// notifications reach the message map, data exchange round-trips, keys go through PreTranslateMessage,
// colours and owner-drawn rows are reflected to the controls.
#include "sample_dialog.h"
#include "test_support.h"

#include <functional>

namespace {

// The events of a test about notifications and commands, without the colour requests of painting:
// when a window paints is the system's to decide (Windows paints when its screen asks it to).
std::string Handled(const EventLog& events) {
    EventLog handled;
    for (const std::string& event : events)
        if (event.rfind("dialog OnCtlColor", 0) != 0)
            handled.push_back(event);
    return Joined(handled);
}

class DialogTest : public MfcTest {
protected:
    static void SetUpTestSuite() {
        s_library = ::LoadLibraryW(LibraryBesideProgram(L"libmfc_sample_dll").c_str());
    }
    static void TearDownTestSuite() {
        if (s_library != nullptr)
            ::FreeLibrary(s_library);
        s_library = nullptr;
    }
    void SetUp() override {
        MfcTest::SetUp();
        ASSERT_NE(s_library, nullptr) << "the sample library did not load";
        ASSERT_TRUE(m_dialog.Create(sample::kDialogId, nullptr));
        m_dialog.ShowWindow(SW_SHOW);
        automation::Pump();
        m_dialog.m_events.clear();
    }
    void TearDown() override {
        if (m_dialog.m_hWnd != nullptr)
            m_dialog.DestroyWindow();
        MfcTest::TearDown();
    }
    HWND Item(int id) const { return ::GetDlgItem(m_dialog.m_hWnd, id); }
    BOOL Checked(int id) const { return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    static HMODULE s_library;
    SampleDialog m_dialog;
};
HMODULE DialogTest::s_library = nullptr;

TEST_F(DialogTest, CreationRunsOnInitDialogOnceAndAttachesTheExchangedControls) {
    SampleDialog fresh;
    ASSERT_TRUE(fresh.Create(sample::kDialogId, nullptr));
    EXPECT_EQ(Joined(fresh.m_events), "OnInitDialog");
    EXPECT_EQ(CWnd::FromHandlePermanent(fresh.m_hWnd), &fresh);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(fresh.m_hWnd, sample::kList)), &fresh.m_list);
    EXPECT_EQ(fresh.m_cmbPosition.GetCount(), 3);
    EXPECT_FALSE(fresh.IsWindowVisible()) << "the template has no WS_VISIBLE";
    fresh.DestroyWindow();
    EXPECT_EQ(fresh.m_hWnd, nullptr);
    EXPECT_EQ(fresh.m_list.m_hWnd, nullptr) << "a destroyed control lets go of its object";
}

TEST_F(DialogTest, ADialogCanBeMadeAgainOnTheSameObjectAfterItsWindowIsGone) {
    m_dialog.DestroyWindow();
    ASSERT_TRUE(m_dialog.Create(sample::kDialogId, nullptr));
    EXPECT_EQ(Joined(m_dialog.m_events), "OnInitDialog");
    EXPECT_EQ(m_dialog.m_cmbPosition.GetCount(), 3) << "the combo was attached again and filled anew";
}

struct UserAction {
    const char* name;
    std::function<BOOL(SampleDialog&)> act;
    const char* expected;
};

void PrintTo(const UserAction& action, std::ostream* os) {
    *os << action.name;
}

class DialogNotificationTest : public DialogTest, public ::testing::WithParamInterface<UserAction> {};

TEST_P(DialogNotificationTest, ReachesItsHandler) {
    ASSERT_TRUE(GetParam().act(m_dialog));
    automation::Pump();
    EXPECT_EQ(Handled(m_dialog.m_events), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    UserInput, DialogNotificationTest,
    ::testing::Values(
        UserAction{
            "ClickPushButton",
            [](SampleDialog& d) { return automation::Click(d.GetDlgItem(sample::kDrawButton)->m_hWnd); },
            "BN_CLICKED draw"},
        UserAction{
            "ClickRadio",
            [](SampleDialog& d) { return automation::Click(d.GetDlgItem(sample::kMillimetreRadio)->m_hWnd); },
            "BN_CLICKED mm"},
        UserAction{"ChooseComboItem",
                   [](SampleDialog& d) { return automation::ChooseComboItem(d.m_cmbPosition.m_hWnd, 2); },
                   "CBN_SELCHANGE position 2"},
        UserAction{"RightClickList",
                   [](SampleDialog& d) { return automation::RightClickList(d.m_list.m_hWnd, -1); },
                   "NM_RCLICK 1348"},
        UserAction{"DeleteKeyInList",
                   [](SampleDialog& d) {
                       automation::Focus(d.m_list.m_hWnd);
                       automation::PressKey(VK_DELETE);
                       return TRUE;
                   },
                   "LVN_KEYDOWN 46"}),
    [](const ::testing::TestParamInfo<UserAction>& info) { return std::string(info.param.name); });

// ---- data exchange ----------------------------------------------------------------------------------------
struct ExchangeCase {
    const char* name;
    int unit1;
    int unit2;
    BOOL drawList;
    BOOL close;
    bool mm, m, mm2, m2; // radio states the controls show
};

void PrintTo(const ExchangeCase& c, std::ostream* os) {
    *os << c.name;
}

class DialogExchangeTest : public DialogTest, public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(DialogExchangeTest, MembersReachTheControlsAndComeBack) {
    const ExchangeCase& c = GetParam();
    m_dialog.m_nUnit1 = c.unit1;
    m_dialog.m_nUnit2 = c.unit2;
    m_dialog.m_bDrawList = c.drawList;
    m_dialog.m_bClose = c.close;
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(Checked(sample::kMillimetreRadio), c.mm);
    EXPECT_EQ(Checked(sample::kMetreRadio), c.m);
    EXPECT_EQ(Checked(sample::kSquareMillimetreRadio), c.mm2);
    EXPECT_EQ(Checked(sample::kSquareMetreRadio), c.m2);
    EXPECT_EQ(Checked(sample::kDrawListCheck), c.drawList);
    EXPECT_EQ(Checked(sample::kCloseCheck), c.close);

    m_dialog.m_nUnit1 = m_dialog.m_nUnit2 = 7;
    m_dialog.m_bDrawList = m_dialog.m_bClose = 7;
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_nUnit1, c.unit1);
    EXPECT_EQ(m_dialog.m_nUnit2, c.unit2);
    EXPECT_EQ(m_dialog.m_bDrawList, c.drawList);
    EXPECT_EQ(m_dialog.m_bClose, c.close);
    EXPECT_EQ(Handled(m_dialog.m_events), "") << "setting controls sends no notifications";
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogExchangeTest,
    ::testing::Values(ExchangeCase{"FirstButtons", 0, 0, FALSE, FALSE, true, false, true, false},
                      ExchangeCase{"SecondButtons", 1, 1, TRUE, TRUE, false, true, false, true},
                      ExchangeCase{"Mixed", 1, 0, TRUE, FALSE, false, true, true, false},
                      // -1 clears the whole group and reads back as -1
                      ExchangeCase{"NoneChecked", -1, -1, FALSE, TRUE, false, false, false, false},
                      // an index past the group checks nothing either
                      ExchangeCase{"PastTheGroup", -1, 1, FALSE, FALSE, false, false, false, true}),
    [](const ::testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

TEST_F(DialogTest, ARadioTheUserClicksIsTheIndexUpdateDataReads) {
    m_dialog.m_nUnit1 = -1;
    m_dialog.UpdateData(FALSE);
    ASSERT_TRUE(automation::Click(Item(sample::kMetreRadio)));
    automation::Pump();
    m_dialog.UpdateData(TRUE);
    EXPECT_EQ(m_dialog.m_nUnit1, 1);
    EXPECT_FALSE(Checked(sample::kMillimetreRadio));
}

TEST_F(DialogTest, AMissingControlEndsTheExchangeWithNotSupported) {
    CDataExchange exchange(&m_dialog, TRUE);
    int value = 0;
    try {
        DDX_Check(&exchange, 9999, value);
        FAIL() << "no exception";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)));
        e->Delete();
    }
}

// ---- keys, closing
// ------------------------------------------------------------------------------------------
TEST_F(DialogTest, EscapeInAControlReachesOnCancelThroughPreTranslateMessage) {
    automation::Focus(m_dialog.m_cmbMethod.m_hWnd);
    automation::PressKey(VK_ESCAPE);
    automation::Pump();
    EXPECT_EQ(Handled(m_dialog.m_events), "OnCancel");
    EXPECT_EQ(m_dialog.m_hWnd, nullptr);
    EXPECT_EQ(m_dialog.m_cmbMethod.m_hWnd, nullptr);
}

TEST_F(DialogTest, CloseButtonIsASystemCommandOfTheMap) {
    ASSERT_TRUE(automation::ClickFrameButton(m_dialog.m_hWnd, SC_CLOSE));
    automation::Pump();
    EXPECT_EQ(Handled(m_dialog.m_events), "SC_CLOSE | OnCancel");
    EXPECT_EQ(m_dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, CloseMessageDefaultsToTheCancelCommand) {
    m_dialog.SendMessage(WM_CLOSE);
    automation::Pump();
    EXPECT_EQ(Handled(m_dialog.m_events), "OnClose | OnCancel");
    EXPECT_EQ(m_dialog.m_hWnd, nullptr);
}

// ---- reflection
// ---------------------------------------------------------------------------------------------
TEST_F(DialogTest, ColourRequestGoesToTheParentWithTheControlsObjectAndTheControlAnswers) {
    HDC dc = ::GetDC(m_dialog.m_total.m_hWnd);
    LRESULT brush =
        ::SendMessageW(m_dialog.m_hWnd, WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(m_dialog.m_total.m_hWnd));
    ::ReleaseDC(m_dialog.m_total.m_hWnd, dc);
    EXPECT_EQ(Joined(m_dialog.m_events), "dialog OnCtlColor 1316 kind 1 | edit CtlColor 1");
    EXPECT_EQ(m_dialog.m_pLastColoredControl, &m_dialog.m_total);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), m_dialog.m_total.m_hBrush);
}

TEST_F(DialogTest, ColourOfAControlWithoutHandlerIsTheDialogManagersDefault) {
    HWND label = Item(sample::kUnitLabel);
    HDC dc = ::GetDC(label);
    LRESULT viaDialog = ::SendMessageW(m_dialog.m_hWnd, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(label));
    LRESULT plain = ::DefDlgProcW(m_dialog.m_hWnd, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(label));
    ::ReleaseDC(label, dc);
    EXPECT_EQ(Joined(m_dialog.m_events), "dialog OnCtlColor 1350 kind 6");
    EXPECT_EQ(viaDialog, plain);
    EXPECT_NE(m_dialog.m_pLastColoredControl, nullptr);
    EXPECT_EQ(m_dialog.m_pLastColoredControl->m_hWnd, label)
        << "a temporary object for an unattached control";
}

TEST_F(DialogTest, OwnerDrawnRowsAreDrawnByTheListObject) {
    m_dialog.m_list.InsertItem(0, L"1");
    m_dialog.m_list.InsertItem(1, L"2");
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTVIEW;
    item.CtlID = sample::kList;
    item.itemID = 1;
    item.hwndItem = m_dialog.m_list.m_hWnd;
    EXPECT_EQ(::SendMessageW(m_dialog.m_hWnd, WM_DRAWITEM, sample::kList, LPARAM(&item)), TRUE);
    EXPECT_EQ(Joined(m_dialog.m_events), "list DrawItem 1");
}

TEST_F(DialogTest, PaintingTheListDrawsEachRowThroughTheListObject) {
    m_dialog.m_list.InsertItem(0, L"1");
    m_dialog.m_list.InsertItem(1, L"2");
    automation::ReadPixel(m_dialog.m_hWnd, 1, 1); // a full repaint
    EXPECT_NE(Joined(m_dialog.m_events).find("list DrawItem 0"), std::string::npos)
        << Joined(m_dialog.m_events);
    EXPECT_NE(Joined(m_dialog.m_events).find("list DrawItem 1"), std::string::npos)
        << Joined(m_dialog.m_events);
}

} // namespace
