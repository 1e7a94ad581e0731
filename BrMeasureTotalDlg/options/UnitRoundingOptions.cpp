// The unit radios and the rounding combo boxes: a new choice re-formats every row and the total at
// once. The rounding choices also go into the stored settings at teardown.
#include "MeasureTotalDlg.h"

#include "../component/ControlCheck.h"
#include "../component/MeasureTotalDlgIds.h"
#include "../trace/FunctionTrace.h"

namespace brio::ui::measure {

// The formatting reads the radios itself, so the new unit is in force for every row and the total.
void MeasureTotalDlg::OnUnitRadio1() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnUnitRadio1()");
    SetData();
    if (CWnd* unitLabel = LiveControl(*this, IDC_STATIC_UNIT))
        unitLabel->SetWindowText(L"mm");
}

void MeasureTotalDlg::OnUnitRadio2() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnUnitRadio2()");
    SetData();
    if (CWnd* unitLabel = LiveControl(*this, IDC_STATIC_UNIT))
        unitLabel->SetWindowText(L"m");
}

// The area label ("mm2" or "m2") is set by the recomputation alone.
void MeasureTotalDlg::OnUnitRadio4() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnUnitRadio4()");
    SetData();
}

void MeasureTotalDlg::OnUnitRadio5() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnUnitRadio5()");
    SetData();
}

// The formatting reads both combos directly, so the new choice already applies; the members only
// carry it to the settings.
void MeasureTotalDlg::OnSelchangeCmbMarume1() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnSelchangeCmbMarume1()");
    SetData();
    m_nMarume1 = m_cmbMarume1.GetCurSel();
}

void MeasureTotalDlg::OnSelchangeCmbMarume2() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnSelchangeCmbMarume2()");
    SetData();
    m_nMarume2 = m_cmbMarume2.GetCurSel();
}

} // namespace brio::ui::measure
