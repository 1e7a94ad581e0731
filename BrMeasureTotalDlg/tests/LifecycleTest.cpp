// The host's view of the dialog's life: the entry, the object it owns, the window that comes and
// goes, the set-up a new window gets, and the settings kept between windows.
#include "DialogFixture.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>
#include <standin/LogServerFaults.h>
#include <standin/hooks.h>

#include <commctrl.h>

#include <tuple>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;

class Lifecycle : public DialogTest {
protected:
    std::vector<std::wstring> ComboItems(int combo) const {
        Texts texts;
        for (int i = 0; i < SendMessageW(Control(combo), CB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[64] = {};
            SendMessageW(Control(combo), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
};

// Someone else's dialog: the entry must not take it for ours.
class ForeignDialog : public IMeasureTotalDlg {
public:
    const wchar_t* GetString() override { return L""; }
    void SetListData(const TMSRDATA*) override { ++m_nRows; }
    bool isHWnd() const override { return false; }
    int m_nRows = 0;
};

TEST_F(Lifecycle, FirstCallOpensTheWindowWithRowOne) {
    ASSERT_TRUE(Measure(12.5));
    ASSERT_NE(m_pDlg, nullptr);
    EXPECT_TRUE(m_pDlg->isHWnd());
    EXPECT_TRUE(IsWindowVisible(Dialog()));
    wchar_t title[64] = {};
    GetWindowTextW(Dialog(), title, 64);
    EXPECT_EQ(std::wstring(title), L"累計ダイアログ");
    EXPECT_EQ(Column(kColumnNumber), Texts{L"1"});
}

// A later call adds to the open window and ignores its main frame; after a close the next call
// makes a new window with only its row and its own main frame (the host's, which records requests).
TEST_F(Lifecycle, OneWindowPerOpeningAndTheMainFrameOfTheCallThatMadeIt) {
    CWnd otherFrame;
    otherFrame.Attach(CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL,
                                      GetModuleHandleW(NULL), NULL));
    ASSERT_TRUE(doMeasureTotalDlg(m_pDlg, &otherFrame, Measurement(10)));
    automation::Pump();
    const HWND first = Dialog();
    ASSERT_TRUE(Measure(20));
    EXPECT_EQ(Dialog(), first);
    EXPECT_EQ(Column(kColumnNumber), (Texts{L"1", L"2"}));
    automation::Click(Control(IDC_CHK_DRAW_TOTAL));
    automation::Click(Control(IDC_BUTTON_DRAW));
    EXPECT_TRUE(m_drawRequests.empty()) << "the request went to the first call's frame";

    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(m_pDlg->isHWnd());
    ASSERT_TRUE(Measure(30));
    EXPECT_EQ(Column(kColumnRawValue), Texts{L"30.000000"});
    automation::Click(Control(IDC_BUTTON_DRAW)); // 累計 is still ticked: it was saved at closing
    EXPECT_EQ(m_drawRequests.size(), 1u);
    DestroyWindow(otherFrame.Detach());
}

TEST_F(Lifecycle, AForeignDialogGivesFalseAndChangesNothing) {
    ForeignDialog foreign;
    IMeasureTotalDlg* dlg = &foreign;
    const int windows = standin::CountLiveObjects().windows;
    EXPECT_FALSE(doMeasureTotalDlg(dlg, &m_mainFrame, Measurement(1)));
    EXPECT_EQ(dlg, &foreign);
    EXPECT_EQ(foreign.m_nRows, 0);
    EXPECT_EQ(standin::CountLiveObjects().windows, windows);
}

TEST_F(Lifecycle, ARecordHandedToAClosedDialogThroughTheInterfaceIsRefused) {
    ASSERT_TRUE(Measure(1));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    const TMSRDATA late = Measurement(2);
    m_pDlg->SetListData(&late);
    EXPECT_FALSE(m_pDlg->isHWnd());
    ASSERT_TRUE(Measure(3));
    EXPECT_EQ(Column(kColumnRawValue), Texts{L"3.000000"});
}

TEST_F(Lifecycle, DeletingThroughTheInterfaceRunsTheDestructor) {
    ASSERT_TRUE(Measure(1));
    const std::wstring text = WithThis(L"MeasureTotalDlg: デストラクタ");
    m_log.clear();
    DeleteDialog();
    EXPECT_EQ(m_log.transcriptOf(L"MeasureTotalDlg: デストラクタ"),
              Transcript({{3, L'>', text}, {3, L'<', text}}));
}

TEST_F(Lifecycle, SetUpWithoutStoredSettings) {
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME1), 1);
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME2), 0);
    EXPECT_TRUE(Checked(IDC_UNIT_RADIO1) && Checked(IDC_UNIT_RADIO4));
    for (int id : {IDC_UNIT_RADIO2, IDC_UNIT_RADIO5, IDC_CHK_DRAW_LIST, IDC_CHK_DRAW_TOTAL, IDC_CHK_CLOSE})
        EXPECT_FALSE(Checked(id)) << id;
    EXPECT_FALSE(Enabled(IDC_BUTTON_DRAW) || Enabled(IDC_CHK_CLOSE));
    EXPECT_EQ(Text(IDC_STATIC_UNIT), L"mm");
    EXPECT_EQ(ComboItems(IDC_CMB_MARUME1),
              (Texts{L"10の位", L"整数", L"小数点以下1位", L"小数点以下2位", L"小数点以下3位",
                     L"小数点以下4位", L"小数点以下5位", L"小数点以下6位"}));
    EXPECT_EQ(ComboItems(IDC_CMB_MARUME2), (Texts{L"四捨五入", L"切り上げ", L"切り捨て"}));

    const wchar_t* headings[] = {L"No", L"スケール", L"要素種別", L"±", L"値     ", L""};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT, LVCFMT_RIGHT};
    const int widths[] = {30, 66, 81, 30, 105, 0};
    for (int column = 0; column <= kColumnCount; ++column) {
        wchar_t heading[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.pszText = heading;
        info.cchTextMax = 64;
        const bool exists =
            SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
        SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
        ASSERT_EQ(exists, column < kColumnCount) << column;
        if (exists) {
            EXPECT_EQ(std::make_tuple(std::wstring(heading), info.fmt & LVCFMT_JUSTIFYMASK, info.cx),
                      std::make_tuple(std::wstring(headings[column]), formats[column], widths[column]));
        }
    }
}

// Each window makes its font and two brushes; each is deleted once, by the teardown or the destructor.
TEST_F(Lifecycle, FontAndBrushesLiveAsLongAsTheirWindow) {
    const standin::LiveObjects before = standin::CountLiveObjects();
    auto live = [] {
        const standin::LiveObjects now = standin::CountLiveObjects();
        return std::make_pair(now.fonts, now.brushes);
    };
    ASSERT_TRUE(Measure(1));
    const auto open = live();
    EXPECT_GE(open.first, before.fonts + 1);
    EXPECT_GE(open.second, before.brushes + 2);
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(live(), std::make_pair(before.fonts, before.brushes));
    ASSERT_TRUE(Measure(2));
    EXPECT_EQ(live(), open);
    DeleteDialog();
    EXPECT_EQ(live(), std::make_pair(before.fonts, before.brushes));
}

// The destructor's trace failing (the host's log throws) does not keep it from freeing them.
TEST_F(Lifecycle, DeletingTheObjectWhileTheLogFailsStillFreesTheFontAndBrushes) {
    const standin::LiveObjects before = standin::CountLiveObjects();
    ASSERT_TRUE(Measure(1));
    standin::log_server::SetThrowOnWrite(true);
    DeleteDialog();
    standin::log_server::SetThrowOnWrite(false);
    const standin::LiveObjects after = standin::CountLiveObjects();
    EXPECT_EQ(std::make_tuple(after.fonts, after.brushes, after.windows),
              std::make_tuple(before.fonts, before.brushes, before.windows));
}

TEST_F(Lifecycle, ChosenOptionsAreStoredAtClosingAndComeBack) {
    ASSERT_TRUE(Measure(1));
    automation::ChooseComboItem(Control(IDC_CMB_MARUME1), 4); // 小数点以下3位
    automation::ChooseComboItem(Control(IDC_CMB_MARUME2), 2); // 切り捨て
    automation::Click(Control(IDC_CHK_DRAW_TOTAL));           // 累計
    automation::ClickFrameButton(Dialog(), SC_CLOSE);
    EXPECT_EQ(StoredSettings(), (std::map<std::wstring, long long>{{L"close", 0},
                                                                   {L"drawList", 0},
                                                                   {L"drawTotal", 1},
                                                                   {L"marume1", 4},
                                                                   {L"marume2", 2},
                                                                   {L"unit1", 0},
                                                                   {L"unit2", 0}}));
    ASSERT_TRUE(Measure(2));
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME1), 4);
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME2), 2);
    EXPECT_TRUE(Checked(IDC_CHK_DRAW_TOTAL) && Enabled(IDC_BUTTON_DRAW) && Enabled(IDC_CHK_CLOSE));
}

TEST_F(Lifecycle, AStoredFlagOtherThanZeroIsReadAndWrittenBackAsOne) {
    StoreSetting(L"drawList", _variant_t(5));
    ASSERT_TRUE(Measure(1));
    EXPECT_TRUE(Checked(IDC_CHK_DRAW_LIST) && Enabled(IDC_BUTTON_DRAW));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(StoredSettings()[L"drawList"], 1);
}

TEST_F(Lifecycle, AStoredTextThatIsNoNumberStopsTheWindowCreation) {
    StoreSetting(L"marume1", _variant_t(L"abc"));
    // The host looks for its resources somewhere of its own; that comes back after the failure.
    AFX_MODULE_STATE* state = AfxGetModuleState();
    const HINSTANCE original = state->m_hCurrentResourceHandle;
    HMODULE hostResources = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&AfxGetModuleState), &hostResources);
    ASSERT_NE(hostResources, state->m_hCurrentInstanceHandle);
    state->m_hCurrentResourceHandle = hostResources;
    EXPECT_THROW(Measure(1), _com_error);
    EXPECT_EQ(state->m_hCurrentResourceHandle, hostResources);
    state->m_hCurrentResourceHandle = original;
    const std::string log = m_log.transcript();
    const size_t exit = log.find("3 < MeasureTotalDlg: OnInitDialog()");
    const size_t error = log.find("4 - MeasureTotalDlg: OnInitDialog() 例外\n");
    ASSERT_NE(error, std::string::npos) << log;
    EXPECT_LT(exit, error) << "the trace closes before the error line";
    EXPECT_NE(m_pDlg, nullptr) << "the object was made and belongs to the host";
}

// No half-made window stays behind for the next measurement to land in: it goes with the font and
// brushes its set-up made, the store keeps what it held, and once the value is a number again the
// next measurement opens a whole window.
TEST_F(Lifecycle, AFailedSetUpLeavesNoWindowAndTheNextMeasurementOpensAWholeOne) {
    const standin::LiveObjects before = standin::CountLiveObjects();
    StoreSetting(L"marume2", _variant_t(L"abc"));
    StoreSetting(L"marume1", _variant_t(4));
    EXPECT_THROW(Measure(1), _com_error);
    ASSERT_NE(m_pDlg, nullptr);
    EXPECT_FALSE(m_pDlg->isHWnd());
    const standin::LiveObjects after = standin::CountLiveObjects();
    EXPECT_EQ(std::make_tuple(after.fonts, after.brushes, after.windows),
              std::make_tuple(before.fonts, before.brushes, before.windows));
    brio::core::ProfileValues stored;
    brio::core::Application::getInstance().getProfileStore()->readSection(L"MeasureTotalDlg", &stored, 0);
    ASSERT_EQ(stored.count(L"marume2"), 1u);
    EXPECT_EQ(stored[L"marume2"].vt, VT_BSTR) << "nothing was written over the stored settings";

    StoreSetting(L"marume2", _variant_t(2));
    ASSERT_TRUE(Measure(2));
    EXPECT_EQ(Column(kColumnNumber), Texts{L"1"});
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME1), 4);
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME2), 2);
    DeleteDialog();
    const standin::LiveObjects gone = standin::CountLiveObjects();
    EXPECT_EQ(std::make_pair(gone.fonts, gone.brushes), std::make_pair(before.fonts, before.brushes));
}

TEST_F(Lifecycle, AStoredPositionOutsideTheItemsLeavesTheComboEmptyAndRoundsToHundreds) {
    StoreSetting(L"marume1", _variant_t(99));
    ASSERT_TRUE(Measure(1234.5));
    ASSERT_TRUE(Measure(100));
    EXPECT_EQ(ComboSelection(IDC_CMB_MARUME1), CB_ERR);
    EXPECT_EQ(Column(kColumnValue), (Texts{L"1200", L"100"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"1300");
}

} // namespace
} // namespace brio::ui::measure::test
