// The host's owner-drawn report list.
// What it does NOT do: no custom header, no sorting, no in-place editing, no images; rows are drawn
// only through the reflected WM_DRAWITEM of an LVS_OWNERDRAWFIXED list.
#include <brio/ui/control/CListViewEx.h>

#include "RowPainter.h"

namespace brio::ui::control {

CListViewEx::CListViewEx() = default;

CListViewEx::~CListViewEx() = default;

// Every cell write goes through here so that a derived list can watch or adjust them in one place.
BOOL CListViewEx::SetItemEx(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                            UINT nStateMask, LPARAM lParam) {
    return CListCtrl::SetItem(nItem, nSubItem, nMask, lpszItem, nImage, nState, nStateMask, lParam);
}

void CListViewEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct == nullptr || m_hWnd == nullptr)
        return;
    const int item = static_cast<int>(lpDrawItemStruct->itemID);
    if (item < 0 || item >= GetItemCount())
        return;

    detail::RowLook row;
    row.bounds = lpDrawItemStruct->rcItem;
    row.font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    // The list's own state is the truth; the drawing flags may lag behind a selection change.
    row.selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0 ||
                   (GetItemState(item, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    row.focused = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
    row.fullRow = m_wHighlightMode == kHighlightFullRow;
    row.enabled = ::IsWindowEnabled(m_hWnd) != FALSE;

    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int index = 0; GetColumn(index, &column); ++index)
        row.cells.push_back({GetItemText(item, index).GetString(), column.fmt, column.cx});

    detail::paintRow(lpDrawItemStruct->hDC, row);
}

} // namespace brio::ui::control
