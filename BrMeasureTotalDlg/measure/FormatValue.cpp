// The one place where a value becomes the text the dialog shows: converted to the chosen unit,
// rounded by the chosen position and method, and written without unit or plus sign.
#include "MeasureTotalDlg.h"

#include "../trace/GuardedOperation.h"

#include <calcutil.h>

namespace brio::ui::measure {
namespace {

// Method combo index -> the rounding utility's method number (half up, up, down). No selection
// rounds half up.
int MethodNumber(int methodIndex) {
    switch (methodIndex) {
    case 1:
        return 3;
    case 2:
        return 4;
    default:
        return 0;
    }
}

// Host unit to chosen unit. A unit group without a checked button leaves the value as it is.
double UnitFactor(wchar_t kind, int lengthUnit, int areaUnit) {
    if (kind == L'L')
        return lengthUnit == 1 ? 0.001 : 1.0;
    if (kind == L'A')
        return areaUnit == 1 ? 0.000001 : 1.0;
    return 1.0;
}

} // namespace

CString MeasureTotalDlg::GetFormatedData(double dValue, wchar_t cKind, bool bConvert) {
    return GuardedOperation(L"MeasureTotalDlg: GetFormatedData() 例外", [&] {
        // The radios as the user sees them now, whether or not their handlers have run.
        UpdateData(TRUE);
        CString result;
        double factor = 1.0;
        const int method = MethodNumber(m_cmbMarume2.GetCurSel());
        if (bConvert)
            factor = UnitFactor(cKind, m_nUnit1, m_nUnit2);
        const int position = m_cmbMarume1.GetCurSel();
        const double value = dValue * factor;

        double rounded = 0.0;
        int decimals = 0;
        if (position == 0) {
            // "10の位": the tens digit, with RoundPlace's own method numbers 0, 1, 2.
            rounded = calcutil::RoundPlace(value, 0, method == 0 ? 0 : method - 2);
        } else {
            // "整数" and 1 to 6 decimal places. A stored position outside the items leaves the combo
            // without a selection (CB_ERR), which asks for -2 decimals: the rounding utility then
            // rounds to hundreds and writes no decimals, so the dialog still shows whole numbers
            // (1234.5 shows as 1200) rather than nothing.
            decimals = position - 1;
            rounded = calcutil::DecimalRound2(value, decimals, method, false);
        }
        result = calcutil::Double2String(rounded, decimals);
        return result;
    });
}

} // namespace brio::ui::measure
