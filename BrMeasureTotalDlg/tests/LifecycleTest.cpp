// The host's view of the dialog's life: the entry, the object it owns, the window that comes and
// goes, the set-up a new window gets, and the settings kept between windows.
#include "DialogHarness.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <standin/hooks.h>

#include <commctrl.h>

namespace brio::ui::measure::test {
namespace {

class Lifecycle : public DialogTest {};

// A dialog of someone else's: the entry must not take it for ours.
class ForeignDialog : public IMeasureTotalDlg {
public:
    const wchar_t* GetString() override { return L""; }
    void SetListData(const TMSRDATA*) override { ++m_nRowsHandedIn; }
    bool isHWnd() const override { return false; }
    int m_nRowsHandedIn = 0;
};

HWND MakeOtherHostWindow() {
    return CreateWindowExW(0, L"STATIC", L"other host window", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL,
                           GetModuleHandleW(NULL), NULL);
}

void TickDrawTotalAndDraw(HWND dialog) {
    automation::Click(GetDlgItem(dialog, 1314));
    automation::Click(GetDlgItem(dialog, 1271));
}

TEST_F(Lifecycle, FirstCallOpensTheWindowWithRowOneAndReturnsTrue) {
    ASSERT_TRUE(Measure(12.5));
    ASSERT_NE(m_pDlg, nullptr);
    EXPECT_TRUE(m_pDlg->isHWnd());
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    wchar_t title[64] = {};
    GetWindowTextW(Dialog(), title, 64);
    EXPECT_EQ(std::wstring(title), L"累計ダイアログ");
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"1"}));
}

TEST_F(Lifecycle, LaterCallsAddRowsToTheSameWindowAndKeepTheFirstMainFrame) {
    ASSERT_TRUE(Measure(10));
    const HWND window = Dialog();
    CWnd otherFrame;
    otherFrame.Attach(MakeOtherHostWindow());
    EXPECT_TRUE(doMeasureTotalDlg(m_pDlg, &otherFrame, Measurement(20)));
    EXPECT_EQ(Dialog(), window);
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"1", L"2"}));

    TickDrawTotalAndDraw(Dialog());
    EXPECT_EQ(m_drawRequests.size(), 1u) << "the request went to the main frame of the first call";
    DestroyWindow(otherFrame.Detach());
}

TEST_F(Lifecycle, AfterClosingTheNextCallOpensAFreshWindowWithThatCallsMainFrame) {
    CWnd otherFrame;
    otherFrame.Attach(MakeOtherHostWindow());
    ASSERT_TRUE(doMeasureTotalDlg(m_pDlg, &otherFrame, Measurement(10)));
    ASSERT_TRUE(Measure(20));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(m_pDlg->isHWnd());

    ASSERT_TRUE(Measure(30));
    EXPECT_TRUE(m_pDlg->isHWnd());
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"1"}));
    EXPECT_EQ(Column(5), (std::vector<std::wstring>{L"30.000000"}));
    TickDrawTotalAndDraw(Dialog());
    EXPECT_EQ(m_drawRequests.size(), 1u) << "the new window uses the main frame of the call that made it";
    DestroyWindow(otherFrame.Detach());
}

TEST_F(Lifecycle, AForeignDialogGivesFalseAndChangesNothing) {
    ForeignDialog foreign;
    IMeasureTotalDlg* dlg = &foreign;
    const int windowsBefore = standin::CountLiveObjects().windows;
    EXPECT_FALSE(doMeasureTotalDlg(dlg, &m_mainFrame, Measurement(1)));
    EXPECT_EQ(dlg, &foreign);
    EXPECT_EQ(foreign.m_nRowsHandedIn, 0);
    EXPECT_EQ(standin::CountLiveObjects().windows, windowsBefore);
}

TEST_F(Lifecycle, ARecordHandedToAClosedDialogThroughTheInterfaceIsRefused) {
    ASSERT_TRUE(Measure(1));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    const TMSRDATA late = Measurement(2);
    m_pDlg->SetListData(&late);
    EXPECT_FALSE(m_pDlg->isHWnd());
    ASSERT_TRUE(Measure(3));
    EXPECT_EQ(Column(5), (std::vector<std::wstring>{L"3.000000"}));
}

TEST_F(Lifecycle, DeletingThroughTheInterfaceRunsTheDestructor) {
    ASSERT_TRUE(Measure(1));
    const std::wstring text = WithThis(L"MeasureTotalDlg: デストラクタ");
    m_log.clear();
    DeleteDialog();
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: デストラクタ"),
              Transcript({{3, L'>', text}, {3, L'<', text}}));
}

TEST_F(Lifecycle, SetUpWithoutStoredSettingsShowsTheDefaults) {
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(ComboSelection(1355), 1);
    EXPECT_EQ(ComboSelection(1356), 0);
    EXPECT_TRUE(Checked(1016));
    EXPECT_FALSE(Checked(1017));
    EXPECT_TRUE(Checked(1019));
    EXPECT_FALSE(Checked(1020));
    for (int checkBox : {1313, 1314, 1315})
        EXPECT_FALSE(Checked(checkBox)) << checkBox;
    EXPECT_FALSE(Enabled(1271));
    EXPECT_FALSE(Enabled(1315));
    EXPECT_EQ(Text(1350), L"mm");
}

TEST_F(Lifecycle, SetUpMakesSixColumnsAndTheComboItemsInOrder) {
    ASSERT_TRUE(Measure(1));
    struct Expected {
        const wchar_t* heading;
        int format;
        int width;
    };
    const Expected columns[] = {{L"No", LVCFMT_LEFT, 30},        {L"スケール", LVCFMT_RIGHT, 66},
                                {L"要素種別", LVCFMT_LEFT, 81},  {L"±", LVCFMT_CENTER, 30},
                                {L"値     ", LVCFMT_RIGHT, 105}, {L"", LVCFMT_RIGHT, 0}};
    for (int column = 0; column < 6; ++column) {
        wchar_t heading[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.pszText = heading;
        info.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(Control(1348), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(std::wstring(heading), columns[column].heading) << column;
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, columns[column].format) << column;
        EXPECT_EQ(info.cx, columns[column].width) << column;
    }
    EXPECT_FALSE(SendMessageW(Control(1348), LVM_GETCOLUMNW, 6, 0));

    auto items = [&](int combo) {
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(SendMessageW(Control(combo), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            SendMessageW(Control(combo), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    };
    EXPECT_EQ(items(1355), (std::vector<std::wstring>{L"10の位", L"整数", L"小数点以下1位", L"小数点以下2位",
                                                      L"小数点以下3位", L"小数点以下4位", L"小数点以下5位",
                                                      L"小数点以下6位"}));
    EXPECT_EQ(items(1356), (std::vector<std::wstring>{L"四捨五入", L"切り上げ", L"切り捨て"}));
    EXPECT_TRUE(SendMessageW(Control(1348), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
}

// The font and the two brushes are made by each new window and deleted once, by the teardown or by
// the destructor, whichever comes first.
TEST_F(Lifecycle, FontAndBrushesLiveExactlyAsLongAsTheirWindow) {
    const standin::LiveObjects before = standin::CountLiveObjects();
    ASSERT_TRUE(Measure(1));
    const standin::LiveObjects open = standin::CountLiveObjects();
    EXPECT_GE(open.fonts - before.fonts, 1);
    EXPECT_GE(open.brushes - before.brushes, 2);

    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    automation::Pump();
    EXPECT_EQ(standin::CountLiveObjects().fonts, before.fonts);
    EXPECT_EQ(standin::CountLiveObjects().brushes, before.brushes);

    ASSERT_TRUE(Measure(2));
    EXPECT_EQ(standin::CountLiveObjects().fonts, open.fonts);
    EXPECT_EQ(standin::CountLiveObjects().brushes, open.brushes);
    DeleteDialog();
    automation::Pump();
    EXPECT_EQ(standin::CountLiveObjects().fonts, before.fonts);
    EXPECT_EQ(standin::CountLiveObjects().brushes, before.brushes);
}

TEST_F(Lifecycle, ChosenOptionsAreStoredAtClosingAndComeBackWithTheNextWindow) {
    ASSERT_TRUE(Measure(1));
    automation::ChooseComboItem(Control(1355), 4); // 小数点以下3位
    automation::ChooseComboItem(Control(1356), 2); // 切り捨て
    automation::Click(Control(1314));              // 累計
    automation::ClickFrameButton(Dialog(), SC_CLOSE);
    ASSERT_FALSE(m_pDlg->isHWnd());

    EXPECT_EQ(StoredSettings(), (std::map<std::wstring, long long>{{L"close", 0},
                                                                   {L"drawList", 0},
                                                                   {L"drawTotal", 1},
                                                                   {L"marume1", 4},
                                                                   {L"marume2", 2},
                                                                   {L"unit1", 0},
                                                                   {L"unit2", 0}}));
    ASSERT_TRUE(Measure(2));
    EXPECT_EQ(ComboSelection(1355), 4);
    EXPECT_EQ(ComboSelection(1356), 2);
    EXPECT_TRUE(Checked(1314));
    EXPECT_TRUE(Enabled(1271));
    EXPECT_TRUE(Enabled(1315));
}

TEST_F(Lifecycle, AStoredFlagOtherThanZeroIsReadAndWrittenBackAsOne) {
    StoreSetting(L"drawList", _variant_t(5, VT_INT));
    ASSERT_TRUE(Measure(1));
    EXPECT_TRUE(Checked(1313));
    EXPECT_TRUE(Enabled(1271));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(StoredSettings()[L"drawList"], 1);
}

TEST_F(Lifecycle, ATextThatIsNoNumberStopsTheWindowCreationWithTheConversionError) {
    StoreSetting(L"marume1", _variant_t(L"abc"));
    EXPECT_THROW(Measure(1), _com_error);
    const std::string log = m_log.transcript();
    const std::string initExit = "3 < MeasureTotalDlg: OnInitDialog()";
    const std::string errorLine = "4 - MeasureTotalDlg: OnInitDialog() 例外\n";
    ASSERT_NE(log.find(initExit), std::string::npos) << log;
    ASSERT_NE(log.find(errorLine), std::string::npos) << log;
    EXPECT_LT(log.find(initExit), log.find(errorLine)) << "the trace closes before the error line";
    EXPECT_NE(m_pDlg, nullptr) << "the object was made and belongs to the host";
}

TEST_F(Lifecycle, AStoredPositionOutsideTheItemsLeavesTheComboEmptyAndRoundsToHundreds) {
    StoreSetting(L"marume1", _variant_t(99, VT_INT));
    ASSERT_TRUE(Measure(1234.5));
    ASSERT_TRUE(Measure(100));
    EXPECT_EQ(ComboSelection(1355), CB_ERR);
    EXPECT_EQ(Column(4), (std::vector<std::wstring>{L"1200", L"100"}));
    EXPECT_EQ(Text(1316), L"1300");
}

} // namespace
} // namespace brio::ui::measure::test
