// CListCtrl: the list view's messages with MFC's signatures, and the owner-draw reflection.
#include "afx_internal.h"

#include <afxcmn.h>

#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::~CListCtrl() = default;

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- columns ----------------------------------------------------------------------------------------------
int CListCtrl::InsertColumn(int nCol, const LVCOLUMNW* pColumn) {
    return int(SendMessage(LVM_INSERTCOLUMNW, WPARAM(nCol), LPARAM(pColumn)));
}

// A width of -1 and a sub-item of -1 leave those fields out, as MFC's wrapper does.
int CListCtrl::InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPWSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    return BOOL(SendMessage(LVM_DELETECOLUMN, WPARAM(nCol)));
}
int CListCtrl::GetColumnWidth(int nCol) const {
    return int(SendMessage(LVM_GETCOLUMNWIDTH, WPARAM(nCol)));
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return BOOL(SendMessage(LVM_SETCOLUMNWIDTH, WPARAM(nCol), MAKELPARAM(cx, 0)));
}
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNW* pColumn) const {
    return BOOL(SendMessage(LVM_GETCOLUMNW, WPARAM(nCol), LPARAM(pColumn)));
}

// ---- items ------------------------------------------------------------------------------------------------
int CListCtrl::GetItemCount() const {
    return int(SendMessage(LVM_GETITEMCOUNT));
}
int CListCtrl::InsertItem(const LVITEMW* pItem) {
    return int(SendMessage(LVM_INSERTITEMW, 0, LPARAM(pItem)));
}
int CListCtrl::InsertItem(int nItem, LPCWSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}
int CListCtrl::InsertItem(int nItem, LPCWSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}
BOOL CListCtrl::DeleteItem(int nItem) {
    return BOOL(SendMessage(LVM_DELETEITEM, WPARAM(nItem)));
}
BOOL CListCtrl::DeleteAllItems() {
    return BOOL(SendMessage(LVM_DELETEALLITEMS));
}
BOOL CListCtrl::GetItem(LVITEMW* pItem) const {
    return BOOL(SendMessage(LVM_GETITEMW, 0, LPARAM(pItem)));
}
BOOL CListCtrl::SetItem(const LVITEMW* pItem) {
    return BOOL(SendMessage(LVM_SETITEMW, 0, LPARAM(pItem)));
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    return SetItem(nItem, nSubItem, nMask, lpszItem, nImage, nState, nStateMask, lParam, 0);
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam, int nIndent) {
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return SetItem(&item);
}

// The list answers LVM_GETITEMTEXT with the number of characters copied; a text that fills the buffer
// may be longer, so the buffer grows until the text fits with room to spare. Cells are short: the
// first buffer on the stack nearly always does.
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    LVITEMW item{};
    item.iSubItem = nSubItem;
    wchar_t small[256];
    item.pszText = small;
    item.cchTextMax = int(std::size(small));
    int copied = int(SendMessage(LVM_GETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
    if (copied < item.cchTextMax - 1)
        return CString(small, copied < 0 ? 0 : copied);
    // A list that always fills the buffer stops the growth at 64 M characters with what it gave.
    std::vector<wchar_t> buffer;
    for (size_t size = 1024;; size *= 2) {
        buffer.assign(size, L'\0');
        item.pszText = buffer.data();
        item.cchTextMax = int(size);
        copied = int(SendMessage(LVM_GETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
        if (copied < item.cchTextMax - 1 || size >= (size_t(1) << 26))
            return CString(buffer.data(), copied < 0                 ? 0
                                          : copied < item.cchTextMax ? copied
                                                                     : item.cchTextMax - 1);
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPWSTR lpszText, int nLen) const {
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    return int(SendMessage(LVM_GETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCWSTR lpszText) {
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPWSTR>(lpszText);
    return BOOL(SendMessage(LVM_SETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    GetItem(&item);
    return DWORD_PTR(item.lParam);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, LPARAM(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return UINT(SendMessage(LVM_GETITEMSTATE, WPARAM(nItem), LPARAM(nMask)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMW item{};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::SetItemState(int nItem, LVITEMW* pItem) {
    return BOOL(SendMessage(LVM_SETITEMSTATE, WPARAM(nItem), LPARAM(pItem)));
}

BOOL CListCtrl::SetItemCount(int nItems) {
    return BOOL(SendMessage(LVM_SETITEMCOUNT, WPARAM(nItems)));
}

// ---- selection, navigation, geometry
// ------------------------------------------------------------------------
UINT CListCtrl::GetSelectedCount() const {
    return UINT(SendMessage(LVM_GETSELECTEDCOUNT));
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return int(SendMessage(LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0)));
}
int CListCtrl::GetSelectionMark() const {
    return int(SendMessage(LVM_GETSELECTIONMARK));
}
int CListCtrl::SetSelectionMark(int iIndex) {
    return int(SendMessage(LVM_SETSELECTIONMARK, 0, LPARAM(iIndex)));
}
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return BOOL(SendMessage(LVM_ENSUREVISIBLE, WPARAM(nItem), MAKELPARAM(bPartialOK, 0)));
}
int CListCtrl::GetTopIndex() const {
    return int(SendMessage(LVM_GETTOPINDEX));
}
int CListCtrl::GetCountPerPage() const {
    return int(SendMessage(LVM_GETCOUNTPERPAGE));
}
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    lpRect->left = LONG(nCode);
    return BOOL(SendMessage(LVM_GETITEMRECT, WPARAM(nItem), LPARAM(lpRect)));
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
    ref.top = iSubItem;
    ref.left = nArea;
    return BOOL(SendMessage(LVM_GETSUBITEMRECT, WPARAM(iItem), LPARAM(static_cast<RECT*>(&ref))));
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info{};
    info.pt = pt;
    int item = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return item;
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return int(SendMessage(LVM_HITTEST, 0, LPARAM(pHitTestInfo)));
}
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    return BOOL(SendMessage(LVM_REDRAWITEMS, WPARAM(nFirst), LPARAM(nLast)));
}
BOOL CListCtrl::Scroll(CSize size) {
    return BOOL(SendMessage(LVM_SCROLL, WPARAM(size.cx), LPARAM(size.cy)));
}

// ---- appearance
// ----------------------------------------------------------------------------------------------
DWORD CListCtrl::GetExtendedStyle() const {
    return DWORD(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return DWORD(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(dwNewStyle)));
}
COLORREF CListCtrl::GetBkColor() const {
    return COLORREF(SendMessage(LVM_GETBKCOLOR));
}
BOOL CListCtrl::SetBkColor(COLORREF cr) {
    return BOOL(SendMessage(LVM_SETBKCOLOR, 0, LPARAM(cr)));
}

// ---- owner draw
// ----------------------------------------------------------------------------------------------
void CListCtrl::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
