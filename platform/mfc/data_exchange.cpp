// Dialog data exchange: CDataExchange and the DDX_ functions that copy between controls and members.
#include "afx_internal.h"

#include <cwchar>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndControl = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (hWndControl == nullptr)
        AfxThrowNotSupportedException(); // a control the template does not have
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return hWndControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndControl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndControl;
}

void CDataExchange::Fail() {
    if (m_idLastControl != 0 && m_pDlgWnd != nullptr) {
        if (HWND hWndLast = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl)) {
            ::SetFocus(hWndLast);
            if (m_bEditLastControl)
                ::SendMessageW(hWndLast, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

// Only the first exchange attaches: a member that already has its window is left as it is.
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndControl))
        AfxThrowNotSupportedException(); // the control already belongs to another object
}

namespace {

bool IsRadioButton(HWND hWnd) {
    if (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        return true;
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    bool button = ::CompareStringOrdinal(className, -1, L"Button", -1, TRUE) == CSTR_EQUAL;
    DWORD type = DWORD(::GetWindowLongW(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return button && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

} // namespace

// The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (IsRadioButton(hWndControl)) {
            if (pDX->m_bSaveAndValidate) {
                if (value == -1 && ::SendMessageW(hWndControl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    value = index;
            } else {
                ::SendMessageW(hWndControl, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWndControl = ::GetWindow(hWndControl, GW_HWNDNEXT);
    } while (hWndControl != nullptr && !(::GetWindowLongW(hWndControl, GWL_STYLE) & WS_GROUP));
}

// A value other than unchecked, checked or indeterminate is shown unchecked.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = int(::SendMessageW(hWndControl, BM_GETCHECK, 0, 0));
    } else {
        int state = value >= BST_UNCHECKED && value <= BST_INDETERMINATE ? value : BST_UNCHECKED;
        ::SendMessageW(hWndControl, BM_SETCHECK, WPARAM(state), 0);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        CWnd::FromHandle(hWndControl)->GetWindowText(value);
    else
        ::SetWindowTextW(hWndControl, value);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(::SendMessageW(hWndControl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndControl, CB_SETCURSEL, WPARAM(index), 0);
}
