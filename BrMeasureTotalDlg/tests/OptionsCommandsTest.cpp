// The options as the user sets them (units, rounding, draw check boxes), the draw request the host
// answers, and the commands on the window as a whole (×, Esc, a close from outside, help, tooltips).
#include "DialogHarness.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>
#include <standin/hooks.h>

#include <commctrl.h>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;

class Options : public DialogTest {};

TEST_F(Options, TheLengthUnitRadiosReformatEveryRowAndTheTotal) {
    StoreSetting(L"marume1", _variant_t(4, VT_INT));
    ASSERT_TRUE(Measure(1250));
    ASSERT_TRUE(Measure(12.5));
    automation::Click(Control(1017));
    EXPECT_EQ(Column(4), (Texts{L"1.250", L"0.013"}));
    EXPECT_EQ(Text(1316), L"1.263");
    EXPECT_EQ(Text(1350), L"m");

    automation::Click(Control(1016));
    EXPECT_EQ(Column(4), (Texts{L"1250.000", L"12.500"}));
    EXPECT_EQ(Text(1316), L"1262.500");
    EXPECT_EQ(Text(1350), L"mm");
}

TEST_F(Options, TheAreaUnitLabelIsSetByTheRecomputationAlone) {
    StoreSetting(L"marume1", _variant_t(7, VT_INT));
    ASSERT_TRUE(Measure(500, FALSE, 1));
    EXPECT_EQ(Text(1350), L"mm2");
    automation::Click(Control(1020));
    EXPECT_EQ(Column(4), (Texts{L"0.000500"}));
    EXPECT_EQ(Text(1350), L"m2");
}

TEST_F(Options, AnotherRoundingPositionAppliesAtOnceAndIsKept) {
    ASSERT_TRUE(Measure(1.234));
    ASSERT_TRUE(Measure(2.345));
    automation::ChooseComboItem(Control(1355), 3); // 小数点以下2位
    EXPECT_EQ(Column(4), (Texts{L"1.23", L"2.35"}));
    EXPECT_EQ(Text(1316), L"3.58");
    automation::ChooseComboItem(Control(1356), 1); // 切り上げ
    EXPECT_EQ(Column(4), (Texts{L"1.24", L"2.35"}));

    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(StoredSettings()[L"marume1"], 3);
    EXPECT_EQ(StoredSettings()[L"marume2"], 1);
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(ComboSelection(1355), 3);
    EXPECT_EQ(ComboSelection(1356), 1);
}

TEST_F(Options, TheDrawCommandsCanBeUsedWhileEitherDrawBoxIsTicked) {
    ASSERT_TRUE(Measure(1));
    struct Step {
        int click;
        bool enabled;
    };
    // Both controls follow both boxes, not only the one clicked.
    const Step steps[] = {{1313, true},  {1314, true}, {1313, true},
                          {1314, false}, {1314, true}, {1314, false}};
    for (const Step& step : steps) {
        automation::Click(Control(step.click));
        EXPECT_EQ(Enabled(1271), step.enabled) << "after clicking " << step.click;
        EXPECT_EQ(Enabled(1315), step.enabled) << "after clicking " << step.click;
    }
    EXPECT_FALSE(Enabled(1271));
}

TEST_F(Options, CloseAfterDrawingIsSavedAsItStoodBeforeTheClick) {
    StoreSetting(L"drawTotal", _variant_t(1, VT_INT));
    ASSERT_TRUE(Measure(1));
    automation::Click(Control(1315));
    ASSERT_TRUE(Checked(1315));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(StoredSettings()[L"close"], 0) << "no handler reads the box; only the draw command does";
}

class DrawRequest : public DialogTest {};

TEST_F(DrawRequest, TheHostReadsTheTotalLineWhileTheDialogStays) {
    ASSERT_TRUE(Measure(12));
    ASSERT_TRUE(Measure(30));
    automation::Click(Control(1314));
    automation::Click(Control(1271));
    ASSERT_EQ(m_drawRequests.size(), 1u);
    EXPECT_EQ(m_drawRequests[0].summary, L"累計 42 mm\\n");
    EXPECT_TRUE(m_drawRequests[0].dialogVisible);
    EXPECT_TRUE(m_pDlg->isHWnd());
    EXPECT_EQ(Rows(), 2);
}

TEST_F(DrawRequest, CloseAfterDrawingHidesForTheHostAndClosesAfterwards) {
    ASSERT_TRUE(Measure(12));
    automation::Click(Control(1313));
    automation::Click(Control(1314));
    automation::Click(Control(1315));
    automation::Click(Control(1271));
    ASSERT_EQ(m_drawRequests.size(), 1u);
    EXPECT_EQ(m_drawRequests[0].summary, L"1 1/100 線分  12 mm\\n累計 12 mm\\n");
    EXPECT_FALSE(m_drawRequests[0].dialogVisible);
    EXPECT_FALSE(m_pDlg->isHWnd());
    EXPECT_EQ(StoredSettings(), (std::map<std::wstring, long long>{{L"close", 1},
                                                                   {L"drawList", 1},
                                                                   {L"drawTotal", 1},
                                                                   {L"marume1", 1},
                                                                   {L"marume2", 0},
                                                                   {L"unit1", 0},
                                                                   {L"unit2", 0}}));
}

TEST_F(DrawRequest, WithoutAMainFrameNothingIsSentButTheDialogStillCloses) {
    ASSERT_TRUE(doMeasureTotalDlg(m_pDlg, nullptr, Measurement(5)));
    automation::Pump();
    automation::Click(Control(1314));
    automation::Click(Control(1315));
    m_log.clear();
    automation::Click(Control(1271));
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
    automation::Click(Control(1314));
    automation::Click(Control(1315));
    m_log.clear();
    automation::Click(Control(1271));
    deadFrame.Detach();

    const std::string log = m_log.transcript();
    EXPECT_NE(log.find("3 > MeasureTotalDlg: OnButtonDraw(): send ID_TOTAL_EVENT\n"
                       "4 - m_pParentWnd->GetSafeHwnd() is invalid!!\n"
                       "3 < MeasureTotalDlg: OnButtonDraw(): send ID_TOTAL_EVENT\n"),
              std::string::npos)
        << log;
    EXPECT_FALSE(m_pDlg->isHWnd());
}

class WindowCommands : public DialogTest {
protected:
    std::vector<LogEntry> CloseTrail(const std::vector<LogEntry>& before) const {
        std::vector<LogEntry> trail = before;
        const std::wstring cancel = WithThis(L"MeasureTotalDlg: OnCancel()");
        const std::wstring destroy = WithThis(L"MeasureTotalDlg: DestroyWindow()");
        trail.insert(trail.end(), {{3, L'>', cancel},
                                   {3, L'>', L"call CDialog::OnCancel()"},
                                   {3, L'<', L"call CDialog::OnCancel()"},
                                   {3, L'>', destroy},
                                   {3, L'<', destroy},
                                   {3, L'<', cancel}});
        return trail;
    }
    // lParam of the system command carries the click point, which is the frame's business.
    static std::string WithoutClickPoint(std::string log) {
        const std::string head = "OnSysCommand(61536, ";
        for (size_t at = log.find(head); at != std::string::npos; at = log.find(head, at + 1)) {
            const size_t from = at + head.size();
            log.replace(from, log.find(')', from) - from, "0");
        }
        return log;
    }
    // Only what the close writes: painting and sizing lines of other windows are not its business.
    std::string CloseLog() const {
        std::vector<LogEntry> picked;
        for (const LogEntry& entry : m_log.entries())
            if (entry.text.find(L"OnSysCommand") != std::wstring::npos ||
                entry.text.find(L"OnCancel") != std::wstring::npos ||
                entry.text.find(L"DestroyWindow") != std::wstring::npos)
                picked.push_back(entry);
        return Transcript(picked);
    }
};

TEST_F(WindowCommands, TheCloseButtonCancelsAndDestroysInThisOrder) {
    ASSERT_TRUE(Measure(1));
    m_log.clear();
    const std::wstring sysCommand = L"MeasureTotalDlg: OnSysCommand(61536, 0): タイトルバーの×ボタン";
    automation::ClickFrameButton(Dialog(), SC_CLOSE);

    std::vector<LogEntry> expected = CloseTrail({{3, L'>', sysCommand}});
    expected.push_back({3, L'<', sysCommand});
    EXPECT_EQ(WithoutClickPoint(CloseLog()), Transcript(expected));
    EXPECT_FALSE(m_pDlg->isHWnd());
}

TEST_F(WindowCommands, EscapeClosesTheSameWayWithoutTheSystemCommand) {
    ASSERT_TRUE(Measure(1));
    automation::Focus(Control(1348));
    m_log.clear();
    automation::PressKey(VK_ESCAPE);
    EXPECT_EQ(CloseLog(), Transcript(CloseTrail({})));
    EXPECT_FALSE(m_pDlg->isHWnd());
}

TEST_F(WindowCommands, ACloseFromOutsideSavesTheSettings) {
    ASSERT_TRUE(Measure(1));
    automation::Click(Control(1313));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    automation::Pump();
    EXPECT_FALSE(m_pDlg->isHWnd());
    EXPECT_EQ(StoredSettings()[L"drawList"], 1);
}

TEST_F(WindowCommands, TheHelpButtonOpensTheTopicAndTheDialogStays) {
    ASSERT_TRUE(Measure(1));
    automation::ClickFrameButton(Dialog(), SC_CONTEXTHELP);
    EXPECT_EQ(brio::core::Application::getInstance().lastHelpTopic(), L"DLG_HLP_MEASURE_TOTAL");
    EXPECT_TRUE(m_pDlg->isHWnd());
    EXPECT_TRUE(IsWindowVisible(Dialog()));
}

TEST_F(WindowCommands, ASystemCommandNearCloseGoesToTheDefaultProcessing) {
    ASSERT_TRUE(Measure(1));
    m_log.clear();
    SendMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE | 0x3, 0);
    automation::Pump();
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: OnSysCommand"), "");
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: OnCancel"), "");
}

TEST_F(WindowCommands, HoveringTheListCheckBoxShowsItsTipAtOnce) {
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(automation::Hover(Control(1313)), L"リストを作図します");
    // Straight from one tip to the next takes the tooltip's reshow delay, which the dialog leaves
    // as it is; after a pause over the list the next tip shows at once again.
    RECT list{};
    GetWindowRect(Control(1348), &list);
    automation::MoveMouse({(list.left + list.right) / 2, (list.top + list.bottom) / 2});
    EXPECT_EQ(automation::Hover(Control(1314)), L"累計を作図します");
}

// CDialog::OnCancel fails when the host's log refuses its trace; the user is told, and the window
// goes all the same.
TEST_F(WindowCommands, AFailureInTheBaseCancelIsShownAndTheWindowStillCloses) {
    struct Case {
        bool mfcException;
        const wchar_t* text;
    };
    const Case cases[] = {
        {true, L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()でCException例外が発生した"},
        {false, L"MeasureTotalDlg: OnCancel(): CDialog::OnCancel()で例外が発生した"},
    };
    for (const Case& c : cases) {
        standin::ClearMessageBoxes();
        ASSERT_TRUE(Measure(1));
        bool thrown = false;
        m_log.m_onEntry = [&](const LogEntry& entry) {
            if (!thrown && entry.mark == L'>' && entry.text == L"call CDialog::OnCancel()") {
                thrown = true;
                if (c.mfcException)
                    throw new CNotSupportedException;
                throw std::runtime_error("refused");
            }
        };
        automation::Focus(Control(1348));
        m_log.clear();
        automation::PressKey(VK_ESCAPE);
        m_log.m_onEntry = nullptr;

        EXPECT_FALSE(m_pDlg->isHWnd());
        EXPECT_NE(m_log.transcript().find("3 - " + Narrow(c.text) + "\n"), std::string::npos)
            << m_log.transcript();
        const auto boxes = standin::MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    }
}

} // namespace
} // namespace brio::ui::measure::test
