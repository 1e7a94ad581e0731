// A measurement from the host becomes one row appended to the list. The record is not kept: the
// row's cells are all that remains of it.
#include "MeasureTotalDlg.h"

#include "NumberText.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../trace/GuardedOperation.h"

#include <commctrl.h>

namespace brio::ui::measure {

void MeasureTotalDlg::SetListData(const TMSRDATA* pData) {
    GuardedOperation(L"MeasureTotalDlg: SetListData() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: SetListData()");
        // The entry makes the window before it hands a record in. A host that calls the interface
        // on a closed dialog has no list to add to: the record is refused rather than half-added.
        if (!::IsWindow(m_hWnd))
            return;

        const int row = m_listLength.GetItemCount();
        wchar_t number[16];
        // The cells after the number, in column order. An area row is shown as a length here;
        // SetData below gives it its area form.
        const CString cells[] = {
            pData->strScale,
            pData->strElement,
            CString(pData->bMinus != 0 ? L"-" : L" "),
            GetFormatedData(pData->dValue, L'L', true),
            RawValueText(pData->dValue),
        };
        static_assert(_countof(cells) == kColumnCount - kColumnScale);

        m_listLength.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        m_listLength.InsertItem(LVIF_TEXT, row, RowNumberText(row + 1, number), 0, 0, 0, 0);
        for (int column = kColumnScale; column < kColumnCount; ++column)
            m_listLength.SetItemEx(row, column, LVIF_TEXT, cells[column - kColumnScale], 0, 0, 0, 0);
        // The row's kind, sign-extended: only its being non-zero matters.
        m_listLength.SetItem(row, kColumnNumber, LVIF_PARAM, NULL, 0, 0, 0,
                             static_cast<LPARAM>(pData->sAreaFlag));

        SetData();

        m_listLength.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_listLength.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        // Hidden since its creation, the dialog appears with its first row; the host keeps the focus.
        ShowWindow(SW_SHOWNOACTIVATE);
    });
}

} // namespace brio::ui::measure
