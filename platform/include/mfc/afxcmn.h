// Common-control classes of the MFC subset: CListCtrl (report view) and CToolTipCtrl. Each member
// sends the control's message, as MFC's inline wrappers do.
//
// What they do NOT do: image lists, the header control object (GetHeaderCtrl), item sorting callbacks,
// label editing, virtual (owner-data) lists, tree/tab/progress/spin controls, tool tips by resource id.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

#ifndef LPSTR_TEXTCALLBACK
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKW
#endif

class AFX_API CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    ~CListCtrl() override;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- columns ----
    int InsertColumn(int nCol, const LVCOLUMNW* pColumn);
    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL GetColumn(int nCol, LVCOLUMNW* pColumn) const;

    // ---- items ----
    int GetItemCount() const;
    int InsertItem(const LVITEMW* pItem);
    int InsertItem(int nItem, LPCWSTR lpszItem);
    int InsertItem(int nItem, LPCWSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEMW* pItem) const;
    BOOL SetItem(const LVITEMW* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam, int nIndent);
    // The cell's whole text, however long.
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPWSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEMW* pItem);
    BOOL SetItemCount(int nItems);

    // ---- selection, navigation, geometry ----
    UINT GetSelectedCount() const;
    int GetNextItem(int nItem, int nFlags) const;
    int GetSelectionMark() const;
    int SetSelectionMark(int iIndex);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Scroll(CSize size);

    // ---- appearance ----
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle); // returns the previous extended style
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);

    // Called for each row of an owner-drawn list (LVS_OWNERDRAWFIXED): the parent's WM_DRAWITEM is
    // reflected here. The base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    using CWnd::Create;
    // A tooltip window (popup, TTS_ALWAYSTIP | dwStyle) owned by pParentWnd.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool for the whole window pWnd (nIDTool 0, no rectangle: identified by its handle) or for a
    // rectangle of it with id nIDTool. The tooltip does not subclass the tool: its mouse messages must
    // be relayed (RelayEvent), typically from PreTranslateMessage.
    BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const;
    void Activate(BOOL bActivate);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void RelayEvent(LPMSG lpMsg);
    void Pop();
};
