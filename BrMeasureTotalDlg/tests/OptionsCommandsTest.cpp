// The options as the user sets them (units, rounding, draw check boxes), the draw request the host
// answers, and the commands on the window as a whole (×, Esc, a close from outside, help, tooltips).
#include "DialogFixture.h"

#include <platform_marks.h>

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>
#include <standin/hooks.h>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;

class Options : public DialogTest {};

TEST_F(Options, TheUnitRadiosReformatEveryRowAndTheTotal) {
    StoreSetting(L"marume1", _variant_t(4));
    ASSERT_TRUE(Measure(1250));
    ASSERT_TRUE(Measure(12.5));
    automation::Click(Control(IDC_UNIT_RADIO2));
    EXPECT_EQ(Column(kColumnValue), (Texts{L"1.250", L"0.013"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"1.263");
    EXPECT_EQ(Text(IDC_STATIC_UNIT), L"m");
    automation::Click(Control(IDC_UNIT_RADIO1));
    EXPECT_EQ(Column(kColumnValue), (Texts{L"1250.000", L"12.500"}));
    EXPECT_EQ(Text(IDC_STATIC_UNIT), L"mm");

    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    StoreSetting(L"marume1", _variant_t(7));
    ASSERT_TRUE(Measure(500, FALSE, 1));
    automation::Click(Control(IDC_UNIT_RADIO5));
    EXPECT_EQ(Column(kColumnValue), Texts{L"0.000500"});
    EXPECT_EQ(Text(IDC_STATIC_UNIT), L"m2") << "set by the recomputation alone";
}

TEST_F(Options, AnotherRoundingChoiceAppliesAtOnceAndIsKept) {
    ASSERT_TRUE(Measure(1.234));
    ASSERT_TRUE(Measure(2.345));
    automation::ChooseComboItem(Control(IDC_CMB_MARUME1), 3); // 小数点以下2位
    EXPECT_EQ(Column(kColumnValue), (Texts{L"1.23", L"2.35"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"3.58");
    automation::ChooseComboItem(Control(IDC_CMB_MARUME2), 1); // 切り上げ
    EXPECT_EQ(Column(kColumnValue), (Texts{L"1.24", L"2.35"}));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(std::make_pair(StoredSettings()[L"marume1"], StoredSettings()[L"marume2"]),
              std::make_pair(3LL, 1LL));
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(std::make_pair(ComboSelection(IDC_CMB_MARUME1), ComboSelection(IDC_CMB_MARUME2)),
              std::make_pair(3, 1));
}

// Both draw commands follow both boxes, whichever box was clicked.
TEST_F(Options, TheDrawCommandsCanBeUsedWhileEitherDrawBoxIsTicked) {
    ASSERT_TRUE(Measure(1));
    const std::pair<int, bool> steps[] = {{IDC_CHK_DRAW_LIST, true},
                                          {IDC_CHK_DRAW_TOTAL, true},
                                          {IDC_CHK_DRAW_LIST, true},
                                          {IDC_CHK_DRAW_TOTAL, false},
                                          {IDC_CHK_DRAW_TOTAL, true}};
    for (const auto& [box, enabled] : steps) {
        automation::Click(Control(box));
        EXPECT_EQ(std::make_pair(Enabled(IDC_BUTTON_DRAW), Enabled(IDC_CHK_CLOSE)),
                  std::make_pair(enabled, enabled))
            << box;
    }
}

class DrawRequest : public DialogTest {
protected:
    void Draw(std::initializer_list<int> boxes) {
        for (int box : boxes)
            automation::Click(Control(box));
        m_log.clear();
        automation::Click(Control(IDC_BUTTON_DRAW));
    }
};

TEST_F(DrawRequest, TheHostReadsTheTotalLineWhileTheDialogStays) {
    ASSERT_TRUE(Measure(12));
    ASSERT_TRUE(Measure(30));
    Draw({IDC_CHK_DRAW_TOTAL});
    ASSERT_EQ(m_drawRequests.size(), 1u);
    EXPECT_EQ(m_drawRequests[0].summary, L"累計 42 mm\\n");
    EXPECT_TRUE(m_drawRequests[0].dialogVisible);
    EXPECT_EQ(Rows(), 2);
}

TEST_F(DrawRequest, CloseAfterDrawingHidesForTheHostAndClosesAfterwards) {
    ASSERT_TRUE(Measure(12));
    Draw({IDC_CHK_DRAW_LIST, IDC_CHK_DRAW_TOTAL, IDC_CHK_CLOSE});
    ASSERT_EQ(m_drawRequests.size(), 1u);
    EXPECT_EQ(m_drawRequests[0].summary, L"1 1/100 線分  12 mm\\n累計 12 mm\\n");
    EXPECT_FALSE(m_drawRequests[0].dialogVisible);
    EXPECT_FALSE(m_pDlg->isHWnd());
    EXPECT_EQ(StoredSettings()[L"close"], 1);
}

TEST_F(DrawRequest, WithoutAMainFrameNothingIsSentAndTheDialogStillCloses) {
    ASSERT_TRUE(doMeasureTotalDlg(m_pDlg, nullptr, Measurement(5)));
    automation::Pump();
    Draw({IDC_CHK_DRAW_TOTAL, IDC_CHK_CLOSE});
    EXPECT_TRUE(m_drawRequests.empty());
    EXPECT_FALSE(m_pDlg->isHWnd());
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: OnButtonDraw(): send"), "");
}

TEST_F(DrawRequest, ADeadMainFrameIsReportedAndTheCloseStillHappens) {
    CWnd deadFrame;
    deadFrame.Attach(CreateWindowExW(0, L"STATIC", L"gone", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL,
                                     GetModuleHandleW(NULL), NULL));
    ASSERT_TRUE(doMeasureTotalDlg(m_pDlg, &deadFrame, Measurement(5)));
    automation::Pump();
    DestroyWindow(deadFrame.GetSafeHwnd());
    Draw({IDC_CHK_DRAW_TOTAL, IDC_CHK_CLOSE});
    deadFrame.Detach();
    EXPECT_NE(m_log.transcript().find("3 > MeasureTotalDlg: OnButtonDraw(): send ID_TOTAL_EVENT\n"
                                      "4 - m_pParentWnd->GetSafeHwnd() is invalid!!\n"
                                      "3 < MeasureTotalDlg: OnButtonDraw(): send ID_TOTAL_EVENT\n"),
              std::string::npos)
        << m_log.transcript();
    EXPECT_FALSE(m_pDlg->isHWnd());
}

class WindowCommands : public DialogTest {
protected:
    // What a close writes; lParam of the system command (the click point) is the frame's business.
    std::string CloseLog() const {
        std::vector<LogEntry> picked;
        for (LogEntry entry : m_log.entries()) {
            for (const wchar_t* part : {L"OnSysCommand", L"OnCancel", L"DestroyWindow"})
                if (entry.text.find(part) != std::wstring::npos) {
                    const size_t point = entry.text.find(L"(61536, ");
                    if (point != std::wstring::npos)
                        entry.text.replace(point + 8, entry.text.find(L')', point) - point - 8, L"0");
                    picked.push_back(entry);
                    break;
                }
        }
        return Transcript(picked);
    }
    std::vector<LogEntry> CancelTrail() const {
        const std::wstring cancel = WithThis(L"MeasureTotalDlg: OnCancel()");
        const std::wstring destroy = WithThis(L"MeasureTotalDlg: DestroyWindow()");
        return {{3, L'>', cancel},
                {3, L'>', L"call CDialog::OnCancel()"},
                {3, L'<', L"call CDialog::OnCancel()"},
                {3, L'>', destroy},
                {3, L'<', destroy},
                {3, L'<', cancel}};
    }
    void PressEscape() {
        automation::Focus(Control(IDC_LIST_LENGTH));
        m_log.clear();
        automation::PressKey(VK_ESCAPE);
    }
};

TEST_F(WindowCommands, TheCloseButtonAndEscapeCancelAndDestroyInThisOrder) {
    ASSERT_TRUE(Measure(1));
    m_log.clear();
    automation::ClickFrameButton(Dialog(), SC_CLOSE);
    const std::wstring sysCommand = L"MeasureTotalDlg: OnSysCommand(61536, 0): タイトルバーの×ボタン";
    std::vector<LogEntry> expected = {{3, L'>', sysCommand}};
    for (const LogEntry& entry : CancelTrail())
        expected.push_back(entry);
    expected.push_back({3, L'<', sysCommand});
    EXPECT_EQ(CloseLog(), Transcript(expected));
    EXPECT_FALSE(m_pDlg->isHWnd());

    ASSERT_TRUE(Measure(1));
    PressEscape();
    EXPECT_EQ(CloseLog(), Transcript(CancelTrail()));
    EXPECT_FALSE(m_pDlg->isHWnd());
}

TEST_F(WindowCommands, ACloseFromOutsideSavesTheSettings) {
    ASSERT_TRUE(Measure(1));
    automation::Click(Control(IDC_CHK_DRAW_LIST));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(m_pDlg->isHWnd());
    EXPECT_EQ(StoredSettings()[L"drawList"], 1);
}

TEST_F(WindowCommands, HelpOpensTheTopicAndOtherSystemCommandsGoToTheDefault) {
    ASSERT_TRUE(Measure(1));
    automation::ClickFrameButton(Dialog(), SC_CONTEXTHELP);
    BR_FAILS_ON_WINDOWS(
        "the simulated user finds no help button on Wine's frame of this dialog (no HTHELP "
        "from its hit test), so no help is asked for",
        EXPECT_EQ(brio::core::Application::getInstance().lastHelpTopic(), L"DLG_HLP_MEASURE_TOTAL"));
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    // Compared whole, SC_CLOSE | 3 is not the close button: the default processing makes a
    // WM_CLOSE of it, as Windows does.
    m_log.clear();
    SendMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE | 0x3, 0);
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: OnSysCommand") +
                  m_log.transcriptOf(L"MeasureTotalDlg: OnCancel"),
              "");
    EXPECT_NE(m_log.transcriptOf(WithThis(L"MeasureTotalDlg: OnClose()")), "");
}

TEST_F(WindowCommands, TheDrawBoxesShowTheirTipsAtOnce) {
    BR_STOPS_ON_WINDOWS(measure_test::windows_causes::kTooltipWaitsForItsTimer);
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(automation::Hover(Control(IDC_CHK_DRAW_LIST)), L"リストを作図します");
    // Straight from one tip to the next takes the reshow delay, which the dialog leaves as it is;
    // after the pointer rested on the list the next tip shows at once again.
    RECT list{};
    GetWindowRect(Control(IDC_LIST_LENGTH), &list);
    automation::MoveMouse({(list.left + list.right) / 2, (list.top + list.bottom) / 2});
    EXPECT_EQ(automation::Hover(Control(IDC_CHK_DRAW_TOTAL)), L"累計を作図します");
}

// The host's log fails while CDialog::OnCancel writes its trace: the user is told, and the window
// goes all the same.
TEST_F(WindowCommands, AFailureInTheBaseCancelIsShownAndTheWindowStillCloses) {
    const std::pair<bool, const wchar_t*> cases[] = {
        {true, L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()でCException例外が発生した"},
        {false, L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()で例外が発生した"}};
    for (const auto& [mfcException, text] : cases) {
        standin::ClearMessageBoxes();
        ASSERT_TRUE(Measure(1));
        bool thrown = false;
        m_log.m_onEntry = [&, mfc = mfcException](const LogEntry& entry) {
            if (!thrown && entry.text == L"call CDialog::OnCancel()") {
                thrown = true;
                if (mfc)
                    throw new CNotSupportedException;
                throw std::runtime_error("log refused");
            }
        };
        PressEscape();
        m_log.m_onEntry = nullptr;
        EXPECT_FALSE(m_pDlg->isHWnd());
        EXPECT_NE(m_log.transcript().find("3 - " + Utf8(text) + "\n"), std::string::npos)
            << m_log.transcript();
        const auto boxes = standin::MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK));
    }
}

} // namespace
} // namespace brio::ui::measure::test
