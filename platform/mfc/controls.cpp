// The standard controls' out-of-line members (the rest are inline message wrappers in afxctrl_.h).
#include "afx_internal.h"

#include <string>

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
    if (length == CB_ERR) {
        rString.Empty();
        return;
    }
    std::wstring text(size_t(length) + 1, L'\0');
    int copied = GetLBText(nIndex, text.data());
    text.resize(size_t(copied < 0 ? 0 : copied));
    rString = CString(text);
}
