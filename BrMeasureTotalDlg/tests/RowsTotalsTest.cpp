// Measurements as rows, the values as the user reads them, the total, the summary text the host
// draws, and the trace the host's log receives for a measurement.
#include "DialogFixture.h"

#include <MeasureTotalDlg.h>

#include <Environment.h>
#include <automation.h>

#include <commctrl.h>

#include <clocale>
#include <cstdlib>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;

class RowsAndTotals : public DialogTest {
protected:
    void Options(int position, int drawList = 0, int drawTotal = 0) {
        StoreSetting(L"marume1", _variant_t(position));
        StoreSetting(L"drawList", _variant_t(drawList));
        StoreSetting(L"drawTotal", _variant_t(drawTotal));
    }
};

TEST_F(RowsAndTotals, EachMeasurementBecomesARowWithNumberSignRawValueAndKind) {
    struct Case {
        double value;
        BOOL minus;
        short areaFlag;
        const wchar_t* sign;
        const wchar_t* raw;
    };
    const Case cases[] = {{12.5, 0, 0, L" ", L"12.500000"}, {3, 1, 0, L"-", L"3.000000"},
                          {4, -1, 0, L"-", L"4.000000"},    {5, 5, 0, L"-", L"5.000000"},
                          {4e-7, 0, 0, L" ", L"0.000000"},  {500, 0, -1, L" ", L"500.000000"},
                          {600, 0, 2, L" ", L"600.000000"}};
    for (const Case& c : cases)
        ASSERT_TRUE(Measure(Measurement(c.value, c.minus, c.areaFlag, L"1/50", L"円弧")));
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::make_tuple(Cell(row, kColumnNumber), Cell(row, kColumnScale),
                                  Cell(row, kColumnElement), Cell(row, kColumnSign),
                                  Cell(row, kColumnRawValue), item.lParam),
                  std::make_tuple(std::to_wstring(row + 1), std::wstring(L"1/50"), std::wstring(L"円弧"),
                                  std::wstring(cases[row].sign), std::wstring(cases[row].raw),
                                  static_cast<LPARAM>(cases[row].areaFlag)));
    }
}

TEST_F(RowsAndTotals, OnlyTheNewRowIsSelectedAndTheHostKeepsTheFocus) {
    for (double value : {1.0, 2.0, 3.0})
        ASSERT_TRUE(Measure(value));
    automation::PickListRow(Control(IDC_LIST_LENGTH), 0);
    automation::PickListRow(Control(IDC_LIST_LENGTH), 1, automation::kCtrl);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{0, 1}));
    SetFocus(m_hMainWindow);
    ASSERT_TRUE(Measure(4));
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});
    EXPECT_EQ(FocusedRow(), 3);
    EXPECT_EQ(GetFocus(), m_hMainWindow);
}

// Cells are read through buffers on the stack; a raw value longer than any the dialog writes (12.5
// behind 600 zeros) must still be read whole, and a sign cell that only starts with "-" must not
// count as "-".
TEST_F(RowsAndTotals, CellsAreReadWholeWhateverTheirLength) {
    Options(3);
    ASSERT_TRUE(Measure(1));
    const std::wstring longRaw = std::wstring(600, L'0') + L"12.5";
    const std::pair<int, const wchar_t*> cells[] = {{kColumnRawValue, longRaw.c_str()}, {kColumnSign, L"--"}};
    for (const auto& [column, text] : cells) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<LPWSTR>(text);
        ASSERT_TRUE(
            SendMessageW(Control(IDC_LIST_LENGTH), LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    ASSERT_TRUE(Measure(1));
    EXPECT_EQ(Column(kColumnValue), (Texts{L"12.50", L"1.00"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"13.50");
}

// Stored options, then the measurements: what the rows and the total show.
struct FormattingCase {
    const char* name;
    int unit1, unit2, position, method;
    std::vector<TMSRDATA> rows;
    Texts shown;
    std::wstring total;
    friend void PrintTo(const FormattingCase& c, std::ostream* out) { *out << c.name; }
};

class Formatting : public DialogTest, public ::testing::WithParamInterface<FormattingCase> {};

TEST_P(Formatting, RowsAndTotalShowTheRoundedValues) {
    const FormattingCase& c = GetParam();
    const std::pair<const wchar_t*, int> stored[] = {
        {L"unit1", c.unit1}, {L"unit2", c.unit2}, {L"marume1", c.position}, {L"marume2", c.method}};
    for (const auto& [key, value] : stored)
        StoreSetting(key, _variant_t(value));
    for (const TMSRDATA& row : c.rows)
        ASSERT_TRUE(Measure(row));
    EXPECT_EQ(Column(kColumnValue), c.shown);
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), c.total);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Formatting, ::testing::Values(
    // 12.5 mm is 0.0125 m; half up goes away from zero. An area row shows its area form.
    FormattingCase{"MetresHalfUp", 1, 0, 4, 0, {Measurement(12.5)}, {L"0.013"}, L"0.013"},
    FormattingCase{"SquareMetres", 0, 1, 7, 0, {Measurement(500, 0, 1)}, {L"0.000500"}, L"0.000500"},
    // The total sums what the rows show: two rows of 0.4 show 0 and total 0, not 1.
    FormattingCase{"TotalOfShownValues", 0, 0, 1, 0, {Measurement(0.4), Measurement(0.4)}, {L"0", L"0"}, L"0"},
    FormattingCase{"Subtracted", 0, 0, 1, 0, {Measurement(10), Measurement(4, 1), Measurement(1)}, {L"10", L"4", L"1"}, L"7"},
    FormattingCase{"NegativeTotal", 0, 0, 2, 0, {Measurement(3), Measurement(5, 1)}, {L"3.0", L"5.0"}, L"-2.0"},
    FormattingCase{"TensHalfUp", 0, 0, 0, 0, {Measurement(1235)}, {L"1240"}, L"1240"},
    FormattingCase{"TensUp", 0, 0, 0, 1, {Measurement(1231)}, {L"1240"}, L"1240"},
    FormattingCase{"TensDown", 0, 0, 0, 2, {Measurement(1239)}, {L"1230"}, L"1230"},
    FormattingCase{"OnePlaceUp", 0, 0, 2, 1, {Measurement(1.21)}, {L"1.3"}, L"1.3"},
    FormattingCase{"OnePlaceDown", 0, 0, 2, 2, {Measurement(1.29)}, {L"1.2"}, L"1.2"},
    FormattingCase{"SixPlaces", 0, 0, 7, 0, {Measurement(1.0000005)}, {L"1.000001"}, L"1.000001"},
    FormattingCase{"UnknownMethodIsHalfUp", 0, 0, 1, 9, {Measurement(2.5)}, {L"3"}, L"3"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RowsAndTotals, MixedKindsHideTheUnitLabelAndDisableEveryUnitRadio) {
    ASSERT_TRUE(Measure(10));
    EXPECT_TRUE(Visible(IDC_STATIC_UNIT) && Enabled(IDC_UNIT_RADIO1) && Enabled(IDC_UNIT_RADIO2));
    EXPECT_FALSE(Enabled(IDC_UNIT_RADIO4) || Enabled(IDC_UNIT_RADIO5));
    ASSERT_TRUE(Measure(20, FALSE, 1));
    EXPECT_FALSE(Visible(IDC_STATIC_UNIT));
    EXPECT_EQ(Text(IDC_STATIC_UNIT), L"mm") << "the hidden label keeps its last text";
    for (int radio : {IDC_UNIT_RADIO1, IDC_UNIT_RADIO2, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5})
        EXPECT_FALSE(Enabled(radio)) << radio;
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"30");
}

TEST_F(RowsAndTotals, TheSummaryHoldsWhatTheDrawOptionsAskFor) {
    const std::wstring rows = L"1 1/100 線分  12 mm\\n2 1/100 線分 -4 mm\\n";
    const std::tuple<int, int, std::wstring> cases[] = {
        {0, 0, L" "}, {0, 1, L"累計 8 mm\\n"}, {1, 0, rows}, {1, 1, rows + L"累計 8 mm\\n"}};
    for (const auto& [drawList, drawTotal, summary] : cases) {
        Options(1, drawList, drawTotal);
        ASSERT_TRUE(Measure(12));
        ASSERT_TRUE(Measure(4, TRUE));
        EXPECT_EQ(std::wstring(m_pDlg->GetString()), summary) << drawList << drawTotal;
        SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    }
}

TEST_F(RowsAndTotals, WithoutAWindowGetStringGivesTheLastTextOrNothing) {
    MeasureTotalDlg neverShown;
    EXPECT_EQ(std::wstring(neverShown.GetString()), L"");
    Options(1, 0, 1);
    ASSERT_TRUE(Measure(5));
    ASSERT_EQ(std::wstring(m_pDlg->GetString()), L"累計 5 mm\\n");
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(std::wstring(m_pDlg->GetString()), L"累計 5 mm\\n");
}

TEST_F(RowsAndTotals, TheFirstMeasurementWritesTheseTracesInThisOrder) {
    ASSERT_TRUE(Measure(1));
    std::vector<LogEntry> lifecycle; // sizing during creation is the layout's business
    for (const LogEntry& entry : m_log.entries())
        if (entry.text.find(L"OnSize") == std::wstring::npos)
            lifecycle.push_back(entry);
    const std::wstring ctor = WithThis(L"MeasureTotalDlg: コンストラクタ");
    const std::wstring init = WithThis(L"MeasureTotalDlg: OnInitDialog()");
    const std::wstring setData = WithThis(L"MeasureTotalDlg: SetData()");
    EXPECT_EQ(Transcript(lifecycle), Transcript({{3, L'>', L"doMeasureTotalDlg()"},
                                                 {3, L'>', ctor},
                                                 {3, L'<', ctor},
                                                 {3, L'>', init},
                                                 {3, L'<', init},
                                                 {3, L'>', L"MeasureTotalDlg: SetListData()"},
                                                 {3, L'>', setData},
                                                 {3, L'>', L"MeasureTotalDlg: SetTotalLength()"},
                                                 {3, L'<', L"MeasureTotalDlg: SetTotalLength()"},
                                                 {3, L'<', setData},
                                                 {3, L'<', L"MeasureTotalDlg: SetListData()"},
                                                 {3, L'<', L"doMeasureTotalDlg()"}}));
}

// Numbers are written with a comma from here on, for the C library of this process: on Linux in a
// locale that localedef builds once into the temporary folder, on Windows in the C runtime's own
// German locale. False when there is none.
bool UseDecimalCommaLocale() {
#if defined(_WIN32)
    for (const char* name : {"German_Germany.1252", "de-DE", "de_DE", "German"}) {
        if (setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',')
            return true;
    }
    return false;
#else
    const auto localeDir = std::filesystem::temp_directory_path() / "measure-locales";
    std::filesystem::create_directories(localeDir);
    const std::string build =
        "localedef -i de_DE -f UTF-8 " + (localeDir / "de_DE.UTF-8").string() + " 2>/dev/null";
    // Built once per machine and kept in the temporary directory for later runs.
    if (!std::filesystem::exists(localeDir / "de_DE.UTF-8" / "LC_NUMERIC") && std::system(build.c_str()) != 0)
        return false;
    measure_test::SetEnvironment("LOCPATH", localeDir.string());
    return setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
#endif
}

// A host running in a decimal-comma locale must not change a single number text.
TEST_F(RowsAndTotals, ADecimalCommaLocaleChangesNoNumberText) {
    if (!UseDecimalCommaLocale())
        GTEST_SKIP() << "no decimal-comma locale can be made here";
    Options(3, 0, 1);
    ASSERT_TRUE(Measure(12.5));
    ASSERT_TRUE(Measure(0.25));
    const std::wstring summary = m_pDlg->GetString();
    setlocale(LC_NUMERIC, "C");
    measure_test::UnsetEnvironment("LOCPATH");
    EXPECT_EQ(Column(kColumnRawValue), (Texts{L"12.500000", L"0.250000"}));
    EXPECT_EQ(Column(kColumnValue), (Texts{L"12.50", L"0.25"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"12.75");
    EXPECT_EQ(summary, L"累計 12.75 mm\\n");
}

} // namespace
} // namespace brio::ui::measure::test
