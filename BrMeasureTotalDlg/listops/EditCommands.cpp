// Commands that change the rows, their signs or their selection: delete the selected rows, delete
// all after a question, select all, mark as added or subtracted. Every change of rows or signs
// ends in SetData; there is no undo.
#include "MeasureTotalDlg.h"

#include "../component/MeasureTotalDlgIds.h"
#include "../measure/NumberText.h"
#include "../trace/GuardedOperation.h"

#include <algorithm>
#include <commctrl.h>

namespace brio::ui::measure {
namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

bool IsRowSelected(CListCtrl& list, int row) {
    LVITEMW item{};
    item.mask = LVIF_STATE;
    item.iItem = row;
    item.stateMask = LVIS_SELECTED;
    list.SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.state == LVIS_SELECTED;
}

int RowCount(CListCtrl& list) {
    return static_cast<int>(list.SendMessage(LVM_GETITEMCOUNT, 0, 0));
}

} // namespace

void MeasureTotalDlg::OnDeleteItem() {
    GuardedOperation(L"MeasureTotalDlg: OnDeleteItem() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnDeleteItem()");
        if (m_listLength.SendMessage(LVM_GETSELECTEDCOUNT, 0, 0) == 0)
            return;

        // Downwards, so that a deletion never moves a row still to be visited.
        int lowestDeleted = -1;
        for (int row = RowCount(m_listLength) - 1; row >= 0; --row) {
            if (IsRowSelected(m_listLength, row)) {
                m_listLength.SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
                lowestDeleted = row;
            }
        }
        const int remaining = RowCount(m_listLength);
        wchar_t number[16];
        for (int row = 0; row < remaining; ++row)
            m_listLength.SetItemEx(row, kColumnNumber, LVIF_TEXT, RowNumberText(row + 1, number), 0, 0, 0, 0);
        // The row that moved up into the first deleted one's place, or the new last row; none
        // when the list is empty.
        const int target = std::min(lowestDeleted, remaining - 1);
        if (target >= 0) {
            m_listLength.SetItemState(target, kSelectedAndFocused, kSelectedAndFocused);
            m_listLength.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(target), FALSE);
        }
        SetData();
    });
}

void MeasureTotalDlg::OnDeleteAllItem() {
    GuardedOperation(L"MeasureTotalDlg: OnDeleteAllItem() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnDeleteAllItem()");
        if (RowCount(m_listLength) == 0)
            return;
        if (AfxMessageBox(L"すべて削除します。よろしいですか？", MB_YESNO, 0) != IDYES)
            return;
        m_listLength.SendMessage(LVM_DELETEALLITEMS, 0, 0);
        SetData();
    });
}

// The focus stays where it was; nothing is recomputed.
void MeasureTotalDlg::OnListAll() {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: OnListAll()");
    for (int row = 0; row < RowCount(m_listLength); ++row)
        m_listLength.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

// "＋" writes an empty sign cell: any text but "-" counts as added.
void MeasureTotalDlg::OnListPlus() {
    GuardedOperation(L"MeasureTotalDlg: OnListPlus() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnListPlus()");
        for (int row = 0; row < RowCount(m_listLength); ++row)
            if (IsRowSelected(m_listLength, row))
                m_listLength.SetItemEx(row, kColumnSign, LVIF_TEXT, L"", 0, 0, 0, 0);
        SetData();
    });
}

void MeasureTotalDlg::OnListMinus() {
    GuardedOperation(L"MeasureTotalDlg: OnListMinus() 例外", [&] {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnListMinus()");
        for (int row = 0; row < RowCount(m_listLength); ++row)
            if (IsRowSelected(m_listLength, row))
                m_listLength.SetItemEx(row, kColumnSign, LVIF_TEXT, L"-", 0, 0, 0, 0);
        SetData();
    });
}

// Holding Delete down deletes one row after another: each deletion selects the row that took the
// deleted one's place.
void MeasureTotalDlg::OnKeydownVertexList(NMHDR* pNMHDR, LRESULT* pResult) {
    GuardedOperation(L"MeasureTotalDlg: OnKeydownVertexList() 例外", [&] {
        const auto* keyDown = reinterpret_cast<const NMLVKEYDOWN*>(pNMHDR);
        if (keyDown->wVKey == VK_DELETE)
            OnDeleteItem();
        *pResult = 0;
    });
}

} // namespace brio::ui::measure
