// The recomputation that every change of rows or options ends in: every row re-formatted from its
// raw value, the unit label and the usable unit radios following the kinds in the list, and the
// total summed from what the rows show.
#include "MeasureTotalDlg.h"

#include "NumberText.h"

#include "../component/ControlCheck.h"
#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

#include <commctrl.h>

namespace brio::ui::measure {
namespace {

void EnableControl(CWnd* control, bool enable) {
    if (control != nullptr)
        control->EnableWindow(enable ? TRUE : FALSE);
}

} // namespace

void MeasureTotalDlg::SetData() {
    GuardedOperation(L"MeasureTotalDlg: SetData() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: SetData()  this=%x", TraceAddress(this));

        bool hasLength = false;
        bool hasArea = false;
        // Formatting a row never adds or removes one, so the count is asked for once.
        const int rows = m_listLength.GetItemCount();
        for (int row = 0; row < rows; ++row) {
            const double raw = ReadCellNumber(m_listLength, row, kColumnRawValue);
            CString shown;
            if (m_listLength.GetItemData(row) == 0) {
                shown = GetFormatedData(raw, L'L', true);
                hasLength = true;
            } else {
                shown = GetFormatedData(raw, L'A', true);
                hasArea = true;
            }
            m_listLength.SetItemEx(row, kColumnValue, LVIF_TEXT, shown, 0, 0, 0, 0);
        }

        // A missing control is reported and then left out: the template always has them.
        CWnd* unitLabel = CheckedControl(*this, IDC_STATIC_UNIT);
        CWnd* radioMm = CheckedControl(*this, IDC_UNIT_RADIO1);
        CWnd* radioM = CheckedControl(*this, IDC_UNIT_RADIO2);
        CWnd* radioMm2 = CheckedControl(*this, IDC_UNIT_RADIO4);
        CWnd* radioM2 = CheckedControl(*this, IDC_UNIT_RADIO5);

        const bool lengthsOnly = hasLength && !hasArea;
        const bool areasOnly = hasArea && !hasLength;
        if (unitLabel != nullptr) {
            if (lengthsOnly) {
                unitLabel->ShowWindow(SW_SHOW);
                unitLabel->SetWindowText(m_nUnit1 != 0 ? L"m" : L"mm");
            } else if (areasOnly) {
                unitLabel->ShowWindow(SW_SHOW);
                unitLabel->SetWindowText(m_nUnit2 != 0 ? L"m2" : L"mm2");
            } else {
                // No single unit: the label goes, keeping its text for the clipboard and summary.
                unitLabel->ShowWindow(SW_HIDE);
            }
        }
        EnableControl(radioMm, lengthsOnly);
        EnableControl(radioM, lengthsOnly);
        EnableControl(radioMm2, areasOnly);
        EnableControl(radioM2, areasOnly);

        SetTotalLength();
    });
}

// The total is the rounded sum of the rounded, shown values, so it always agrees with what the
// user reads in the list.
void MeasureTotalDlg::SetTotalLength() {
    GuardedOperation(L"MeasureTotalDlg: SetTotalLength() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: SetTotalLength()");

        CWnd* totalBox = CheckedControl(*this, IDC_EDIT_TOTAL);
        double sum = 0.0;
        const int rows = m_listLength.GetItemCount();
        for (int row = 0; row < rows; ++row) {
            const bool subtracted = CellIsMinus(m_listLength, row, kColumnSign);
            const double shown = ReadCellNumber(m_listLength, row, kColumnValue);
            if (subtracted)
                sum -= shown;
            else
                sum += shown;
        }
        const CString total = GetFormatedData(sum, L'L', false);
        if (totalBox != nullptr)
            totalBox->SetWindowText(total);
    });
}

} // namespace brio::ui::measure
