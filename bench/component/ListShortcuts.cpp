#include "ListShortcuts.h"

#include <commctrl.h>

namespace bench {
namespace {

LRESULT SendText(HWND list, UINT message, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<LPWSTR>(text.c_str());
    return SendMessageW(list, message, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace

void Measure(measure_test::DialogHost& host, const Measurement& measurement) {
    brio::ui::measure::TMSRDATA data;
    data.bMinus = measurement.minus ? TRUE : FALSE;
    data.dValue = measurement.value;
    data.strElement = measurement.element;
    data.strScale = measurement.scale;
    data.sAreaFlag = measurement.areaFlag;
    host.measure(data);
}

void FillTo(HWND list, int rows, const RowMix& mix) {
    for (int row = measure_test::RowCount(list); row < rows; ++row) {
        const Measurement& measurement = mix.at(row);
        SendText(list, LVM_INSERTITEMW, row, kColumnNumber, NumberText(row + 1));
        SendText(list, LVM_SETITEMTEXTW, row, kColumnScale, measurement.scale);
        SendText(list, LVM_SETITEMTEXTW, row, kColumnElement, measurement.element);
        SendText(list, LVM_SETITEMTEXTW, row, kColumnSign, SignText(measurement));
        SendText(list, LVM_SETITEMTEXTW, row, kColumnValue, L"");
        SendText(list, LVM_SETITEMTEXTW, row, kColumnRawValue, RawText(measurement.value));
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = measurement.areaFlag;
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void DropLastRow(HWND list) {
    SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(measure_test::RowCount(list) - 1), 0);
}

void SelectEveryOtherRow(HWND list) {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    LVITEMW select{};
    select.state = LVIS_SELECTED;
    select.stateMask = LVIS_SELECTED;
    const int rows = measure_test::RowCount(list);
    for (int row = 1; row < rows; row += 2)
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
}

void ChoosePosition(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void Command(HWND dialog, int commandId) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

brio::ui::measure::MeasureTotalDlg* DialogObject(const measure_test::DialogHost& host) {
    return dynamic_cast<brio::ui::measure::MeasureTotalDlg*>(host.object());
}

} // namespace bench
