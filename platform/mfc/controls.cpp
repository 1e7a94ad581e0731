// The standard controls' out-of-line members (the rest are inline message wrappers in afxctrl_.h).
#include "afx_internal.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CStatic::~CStatic() = default;
CButton::~CButton() = default;
CEdit::~CEdit() = default;
CComboBox::~CComboBox() = default;

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, WPARAM(&start), LPARAM(&end));
    nStartChar = int(start);
    nEndChar = int(end);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int length = GetLBTextLen(nIndex);
    rString = afx_internal::TextOfLength(length == CB_ERR ? -1 : length,
                                         [&](LPWSTR buffer, int) { return GetLBText(nIndex, buffer); });
}
