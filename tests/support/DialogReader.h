// The dialog as a user and the host can see it, read through window messages only: window texts,
// the list's cells and rows, check boxes, radios, combo boxes, and whether a control is enabled or
// shown. Every text is read whole, whatever its length.
//
// What it does NOT do: no judgement of what a state should be (the tests decide), no reading of the
// dialog's members, and no formatting of values: what the dialog shows is read here, never computed.
#pragma once

#include <MeasureTotalDlgIds.h>

#include <windows.h>

#include <string>
#include <vector>

namespace measure_test {

using enum brio::ui::measure::MeasureListColumn;

std::wstring WindowText(HWND window);
std::wstring CellText(HWND list, int row, int column);
int RowCount(HWND list);
bool IsChecked(HWND button);
int ComboSelection(HWND combo); // CB_ERR when nothing is selected
std::vector<std::wstring> ComboItems(HWND combo);
std::wstring ComboItem(HWND combo, int index); // "" for CB_ERR
// A number as a person reads it off the dialog: "." is the point, whatever the process locale.
double ReadNumber(const std::wstring& text);

struct RowView {
    std::wstring cells[kColumnCount];
    LPARAM data = 0;   // the row's item data, 0 for a length
    bool area = false; // the item data is not 0
    bool selected = false;
    bool focused = false;
};
std::vector<RowView> ReadRows(HWND list);

// One child window of the dialog.
struct ControlView {
    int id = 0;
    bool checkable = false; // a check box or a radio button
    bool checked = false;
    bool enabled = false;
    bool visible = false;
    RECT rect{}; // in the dialog's client coordinates
};
std::vector<ControlView> ReadControls(HWND dialog);

struct DialogView {
    bool window = false; // the dialog has a live window; nothing below is read otherwise
    bool visible = false;
    std::vector<RowView> rows;
    int position = -1;         // the rounding position combo's selection, CB_ERR when none
    int method = -1;           // the rounding method combo's selection
    std::wstring positionText; // the selected items' texts, "" when none
    std::wstring methodText;
    int unit1 = -1; // 0 "mm" checked, 1 "m" checked, -1 neither
    int unit2 = -1; // 0 "mm2", 1 "m2", -1 neither
    bool drawList = false, drawTotal = false, closeAfter = false;
    bool drawEnabled = false, closeEnabled = false;
    bool radiosEnabled[4] = {}; // the unit radios in template order: mm, m, mm2, m2
    std::wstring total;
    std::wstring unitLabel;
    bool unitLabelVisible = false; // its own visibility: a hidden dialog hides every child
};
DialogView ReadDialog(HWND dialog);

} // namespace measure_test
