// CDialog: creation from a template found through the module state, the hook that gives the dialog
// window to its object before WM_INITDIALOG, and the dialog's default commands.
#include "afx_internal.h"

using afx_internal::Thread;

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// The dialog manager calls this for the dialog's messages. The creation hook has normally given the
// window to its object already, so that everything, WM_INITDIALOG included, runs through the object's
// maps; WM_INITDIALOG comes back here from the default processing and runs the virtual OnInitDialog.
// Without the hook the first call attaches the window (WM_INITDIALOG at the latest).
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    // With no object waiting for its window there is nothing to attach, and only WM_INITDIALOG is
    // answered here: every notification a list sends its dialog passes this way.
    if (message != WM_INITDIALOG && Thread().pWndInit == nullptr)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr) {
        CWnd* creating = Thread().pWndInit;
        if (creating == nullptr && message == WM_INITDIALOG)
            creating = reinterpret_cast<CDialog*>(lParam); // the object passed as the creation parameter
        if (creating == nullptr || creating->m_hWnd != nullptr || !creating->SubclassWindow(hWnd))
            return FALSE;
        Thread().pWndInit = nullptr;
        pWnd = creating;
    }
    if (message == WM_INITDIALOG) {
        if (CDialog* dialog = dynamic_cast<CDialog*>(pWnd))
            return dialog->OnInitDialog();
        return TRUE;
    }
    return FALSE;
}

namespace {

// The template from the module that has it (the current resource handle, then the extension
// libraries); null when none has it.
LPCDLGTEMPLATEW FindTemplate(LPCWSTR name, HINSTANCE* module) {
    *module = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC resource = ::FindResourceW(*module, name, RT_DIALOG);
    return resource ? static_cast<LPCDLGTEMPLATEW>(::LockResource(::LoadResource(*module, resource)))
                    : nullptr;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = UINT(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEW tmpl = FindTemplate(lpszTemplateName, &hInst);
    return tmpl != nullptr && CreateIndirect(tmpl, pParentWnd, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    if (m_hWnd != nullptr || lpDialogTemplate == nullptr)
        return FALSE;
    // A dialog made without a parent is owned by the application's main window, as in MFC.
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    HWND hWnd = nullptr;
    {
        afx_internal::CreationScope creating(this);
        hWnd =
            ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                         &AfxDlgProc, reinterpret_cast<LPARAM>(this));
    }
    if (hWnd == nullptr) {
        if (m_hWnd != nullptr) // made and lost again during its creation
            UnsubclassWindow();
        return FALSE;
    }
    return m_hWnd == hWnd;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEW tmpl = FindTemplate(m_lpszTemplateName, &hInst);
    if (tmpl == nullptr)
        return -1;
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    afx_internal::CreationScope creating(this);
    return ::DialogBoxIndirectParamW(hInst, tmpl, parent ? parent->m_hWnd : nullptr, &AfxDlgProc,
                                     reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (m_hWnd == nullptr || pMsg == nullptr)
        return FALSE;
    bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                 (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!input || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
