// The dialog as a user and the host can see it: the rows' cells and kinds, the selection, the
// option controls, the total box and the unit label, read through window messages only. Beside it
// the one piece of arithmetic the checks need: a value formatted as the rounding utility does it
// for the rounding the combo boxes show.
//
// What it does NOT do: no judgement (the random user's invariants and the fault tests decide what
// a state must be), no reading of members or anything else a user cannot see.
#pragma once

#include <MeasureTotalDlgIds.h>

#include <windows.h>

#include <string>
#include <vector>

namespace reliability {

using enum brio::ui::measure::MeasureListColumn;

struct RowView {
    std::wstring cells[kColumnCount];
    bool area = false; // the row's item data is not 0
    bool selected = false;
};

struct DialogView {
    bool window = false; // the dialog has a live window; nothing below is read otherwise
    bool visible = false;
    std::vector<RowView> rows;
    int position = -1; // combo IDC_CMB_MARUME1's selection, CB_ERR when none
    int method = -1;   // combo IDC_CMB_MARUME2's selection
    int unit1 = -1;    // 0 "mm" checked, 1 "m" checked, -1 neither
    int unit2 = -1;    // 0 "mm2", 1 "m2", -1 neither
    bool drawList = false, drawTotal = false, closeAfter = false;
    bool drawEnabled = false, closeEnabled = false;
    bool radiosEnabled[4] = {}; // IDC_UNIT_RADIO1, IDC_UNIT_RADIO2, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5
    std::wstring total;
    std::wstring unitLabel;
    bool unitLabelVisible = false;
};

DialogView ReadDialog(HWND dialog);

// Text of a window of any length.
std::wstring WindowText(HWND window);

// The text the dialog shows for `value` (already in the shown unit) with the position and method
// items selected: tens place through RoundPlace, the other positions through DecimalRound2, no
// selection of the method rounding half up, as the dialog's formatting hands them to the utility.
std::wstring RoundedText(double value, int position, int method);
// What a value in mm or mm2 is multiplied by for the unit the radios show.
double UnitFactor(bool area, int unit1, int unit2);
// The raw value cell of a measurement: "%f" in the C locale.
std::wstring RawText(double value);
// A cell read back as the dialog reads it (wcstod in the C locale).
double CellNumber(const std::wstring& text);

} // namespace reliability
