// The summary text the host draws on "作図": the list's lines and/or the total's line, each ended
// by the two characters backslash and "n", as the host's drawing expects them (not a line feed).
#include "MeasureTotalDlg.h"

#include "RowText.h"

#include "../component/ControlCheck.h"
#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

#include <utility>

namespace brio::ui::measure {
namespace {

constexpr const wchar_t* kLineEnd = L"\\n";

CString WindowText(CWnd* control) {
    CString text;
    if (control != nullptr)
        control->GetWindowText(text);
    return text;
}

} // namespace

void MeasureTotalDlg::UpdateString() {
    GuardedOperation(L"MeasureTotalDlg: UpdateString() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: UpdateString()");

        CWnd* unitLabel = CheckedControl(*this, IDC_STATIC_UNIT);
        CWnd* totalBox = CheckedControl(*this, IDC_EDIT_TOTAL);

        CString text;
        // The label's text, also while it is hidden for a list without a single unit.
        const CString unit = WindowText(unitLabel);
        if (m_bDrawList) {
            const int rows = m_listLength.GetItemCount();
            const CString separator(L" ");
            const CString lineEnd(kLineEnd);
            for (int row = 0; row < rows; ++row)
                AppendRowLine(text, m_listLength, row, separator, unit, lineEnd);
        }
        if (m_bDrawTotal) {
            text += L"累計 ";
            text += WindowText(totalBox);
            text += L" ";
            text += unit;
            text += kLineEnd;
        }
        // Never empty: the host draws what it gets, and a blank is a harmless drawing. The text is
        // handed over, not copied: for a long list it is the size of every row's line together.
        if (text.IsEmpty())
            text = L" ";
        m_strSummary = std::move(text);
    });
}

const wchar_t* MeasureTotalDlg::GetString() {
    return GuardedOperation(L"MeasureTotalDlg: GetString() 例外", [&]() -> const wchar_t* {
        if (isHWnd())
            UpdateString();
        return m_strSummary;
    });
}

} // namespace brio::ui::measure
