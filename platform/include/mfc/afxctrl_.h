// The standard controls of the MFC subset: thin wrappers that send the controls' messages.
//
// What they do NOT do: Create for these classes (the controls come from dialog templates and are
// attached with DDX_Control or SubclassDlgItem), owner-drawn combo items, list boxes, scroll bars,
// images on buttons.
#pragma once

// Included by afxwin.h.

class AFX_API CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    ~CStatic() override;
};

class AFX_API CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    ~CButton() override;
    int GetCheck() const { return int(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, WPARAM(nCheck)); }
    UINT GetState() const { return UINT(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, WPARAM(bHighlight)); }
    UINT GetButtonStyle() const { return UINT(GetStyle() & 0xFFFF); }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }
};

class AFX_API CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    ~CEdit() override;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE) {
        (void)bNoScroll;
        SendMessage(EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
    }
    void GetSel(int& nStartChar, int& nEndChar) const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return BOOL(SendMessage(EM_SETREADONLY, WPARAM(bReadOnly))); }
};

class AFX_API CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    ~CComboBox() override;
    int GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(CB_SETCURSEL, WPARAM(nSelect))); }
    int AddString(LPCWSTR lpszString) { return int(SendMessage(CB_ADDSTRING, 0, LPARAM(lpszString))); }
    int InsertString(int nIndex, LPCWSTR lpszString) {
        return int(SendMessage(CB_INSERTSTRING, WPARAM(nIndex), LPARAM(lpszString)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(CB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBTextLen(int nIndex) const { return int(SendMessage(CB_GETLBTEXTLEN, WPARAM(nIndex))); }
    int GetLBText(int nIndex, LPWSTR lpszText) const {
        return int(SendMessage(CB_GETLBTEXT, WPARAM(nIndex), LPARAM(lpszText)));
    }
    // The item's text; an index out of range leaves rString empty.
    void GetLBText(int nIndex, CString& rString) const;
    int FindString(int nStartAfter, LPCWSTR lpszString) const {
        return int(SendMessage(CB_FINDSTRING, WPARAM(nStartAfter), LPARAM(lpszString)));
    }
    int SelectString(int nStartAfter, LPCWSTR lpszString) {
        return int(SendMessage(CB_SELECTSTRING, WPARAM(nStartAfter), LPARAM(lpszString)));
    }
    DWORD_PTR GetItemData(int nIndex) const { return DWORD_PTR(SendMessage(CB_GETITEMDATA, WPARAM(nIndex))); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) {
        return int(SendMessage(CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, WPARAM(bShowIt)); }
    BOOL GetDroppedState() const { return BOOL(SendMessage(CB_GETDROPPEDSTATE)); }
};
