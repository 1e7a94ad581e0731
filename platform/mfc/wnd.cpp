// CWnd's core: the handle map, subclassing, creation and destruction, and the way a message travels
// (AfxWndProc -> WindowProc -> OnWndMsg -> the maps -> DefWindowProc -> the window's own procedure),
// with message reflection to the control that sent it.
#include "afx_internal.h"

using afx_internal::Thread;
using afx_internal::ThreadState;

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_CTLCOLOR()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

namespace afx_internal {

BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    CWnd* child = hWndChild ? PermanentWindow(hWndChild) : nullptr;
    if (child == nullptr)
        return FALSE;
    LRESULT ignored = 0;
    return child->OnChildNotify(message, wParam, lParam, pResult ? pResult : &ignored);
}

namespace {

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    ThreadState& thread = Thread();
    if (code == HCBT_CREATEWND && thread.pWndInit != nullptr && thread.pWndInit->m_hWnd == nullptr) {
        CWnd* pWnd = thread.pWndInit;
        thread.pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(thread.hCreationHook, code, wParam, lParam);
}

} // namespace

// A class that maps WM_NCDESTROY without calling the base still lets go of its window here. Apart
// from AfxWndProc, so that every other message keeps nothing across its dispatch for this.
[[gnu::noinline]] void AfterLastMessage(HWND hWnd, CWnd* pWnd) {
    if (PermanentWindow(hWnd) == pWnd) {
        pWnd->UnsubclassWindow();
        pWnd->PostNcDestroy();
    }
}

// The hook is installed once per thread and stays: it does nothing while no object waits.
CreationScope::CreationScope(CWnd* pWnd) : m_pending(Thread().pWndInit, pWnd) {
    ThreadState& thread = Thread();
    if (thread.hCreationHook == nullptr)
        thread.hCreationHook = ::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
}

} // namespace afx_internal

// ---- handle map
// ---------------------------------------------------------------------------------------------
CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* permanent = afx_internal::PermanentWindow(hWnd))
        return permanent;
    return afx_internal::TemporaryWindow(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hWnd ? afx_internal::PermanentWindow(hWnd) : nullptr;
}

// A temporary wrapper that existed for the window stays valid (FromHandle now prefers this object), so a
// pointer taken from GetDlgItem before the window was attached does not dangle.
BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == nullptr || m_hWnd != nullptr || afx_internal::PermanentWindow(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    afx_internal::MapPermanentWindow(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && afx_internal::PermanentWindow(hWnd) == this)
        afx_internal::UnmapPermanentWindow(hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    WNDPROC old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, LONG_PTR(&AfxWndProc)));
    // A window whose class already uses AfxWndProc has no other procedure to call.
    m_pfnSuper = old == &AfxWndProc ? nullptr : old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, int(nID)) : nullptr;
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd != nullptr && m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, LONG_PTR(m_pfnSuper));
    return Detach();
}

// ---- creation and destruction
// -------------------------------------------------------------------------------
CWnd::~CWnd() {
    if (m_hWnd != nullptr && afx_internal::PermanentWindow(m_hWnd) == this) {
        if (::IsWindow(m_hWnd))
            CWnd::DestroyWindow();
        if (m_hWnd != nullptr) // the window's destruction did not come through AfxWndProc
            UnsubclassWindow();
    }
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd != nullptr)
        return FALSE;
    HWND hWnd = nullptr;
    {
        afx_internal::CreationScope creating(this);
        hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight,
                                 hWndParent, nIDorHMenu, ::AfxGetInstanceHandle(), lpParam);
    }
    if (hWnd == nullptr)
        return FALSE;
    if (m_hWnd == nullptr) // neither the hook nor a first message attached it
        SubclassWindow(hWnd);
    return m_hWnd == hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(UINT_PTR(nID)), lpParam);
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* /*pContext*/) {
    if (lpszClassName == nullptr)
        lpszClassName = AfxRegisterWndClass(0);
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, nullptr);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool permanent = afx_internal::PermanentWindow(hWnd) == this;
    BOOL result = ::DestroyWindow(hWnd);
    if (!permanent) // a temporary wrapper or an object that only held the handle
        m_hWnd = nullptr;
    return result;
}

void CWnd::PostNcDestroy() {}

// The last message of a window: after the window's own procedure has seen it, the object lets go of
// the window (and the main-window pointer if it was that), then PostNcDestroy may delete the object.
void CWnd::OnNcDestroy() {
    Default();
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    UnsubclassWindow();
    PostNcDestroy();
}

// ---- the way of a message
// -----------------------------------------------------------------------------------
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    afx_internal::ThreadState& thread = Thread();
    CWnd* pWnd = afx_internal::PermanentWindow(hWnd);
    if (pWnd == nullptr) {
        pWnd = thread.pWndInit;
        if (pWnd == nullptr || pWnd->m_hWnd != nullptr || !pWnd->Attach(hWnd))
            return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
        thread.pWndInit = nullptr;
    }
    const MSG message{hWnd, nMsg, wParam, lParam, 0, {}};
    afx_internal::ScopedSet<const MSG*> current(thread.currentMsg, &message);
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        // The framework's own exceptions end here, as a handler let them go: the application says
        // what the system is answered and the object is deleted. Others go on to the caller.
        CWinApp* app = AfxGetApp();
        result = app ? app->ProcessWndProcException(e, &message)
                     : afx_internal::DefaultWndProcException(e, message);
        e->Delete();
    }
    if (nMsg == WM_NCDESTROY) [[unlikely]]
        afx_internal::AfterLastMessage(hWnd, pWnd);
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
#ifdef _WIN32
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
#else
        // The stand-in's CallWindowProcW only calls the procedure (it has no ANSI procedures to
        // translate for), so the subclassed control's own procedure is called here straight, without
        // a second trip into the window manager for every message that passes through.
        return m_pfnSuper(m_hWnd, message, wParam, lParam);
#endif
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        result = 1;
    } else if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr || header->hwndFrom == nullptr || !OnNotify(wParam, lParam, &result))
            return FALSE;
    } else {
        // Every WM_CTLCOLOR* message has the one entry WM_CTLCOLOR; its thunk tells them apart.
        UINT key = IsCtlColorMessage(message) ? UINT(WM_CTLCOLOR) : message;
        const AFX_MSGMAP_ENTRY* entry = afx_internal::CachedMessageEntry(GetMessageMap(), key);
        if (entry == nullptr || !entry->pfnDispatch(this, AFX_MSGCALL{message, wParam, lParam}, &result))
            return FALSE;
    }
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl == nullptr) {
        nCode = CN_COMMAND; // a menu command or an accelerator
    } else {
        // UpdateData is running: the controls it sets do not talk back.
        if (Thread().hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (afx_internal::ReflectToChild(hWndControl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (Thread().hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (afx_internal::ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_NOTIFY, header->code, UINT(header->idFrom));
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    entry->pfnDispatch(this, AFX_MSGCALL{WM_NOTIFY, wParam, lParam}, &result);
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

// ---- reflection
// ----------------------------------------------------------------------------------------------
BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

// The control's own map answers with WM_REFLECT_BASE + message entries (ON_NOTIFY_REFLECT ...).
BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT key = message;
    UINT code = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    } else if (IsCtlColorMessage(message)) {
        key = WM_CTLCOLOR;
    } else if (message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_DELETEITEM &&
               message != WM_HSCROLL && message != WM_VSCROLL) {
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_REFLECT_BASE + key, code, 0);
    if (entry == nullptr)
        return FALSE;
    LRESULT result = 0;
    if (!entry->pfnDispatch(this, AFX_MSGCALL{message, wParam, lParam}, &result))
        return FALSE;
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    const MSG& current = afx_internal::CurrentMessage();
    return afx_internal::ReflectToChild(hWndChild, current.message, current.wParam, current.lParam, pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& current = afx_internal::CurrentMessage();
    LRESULT ignored = 0;
    return OnChildNotify(current.message, current.wParam, current.lParam, pResult ? pResult : &ignored);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    return &afx_internal::CurrentMessage();
}

LRESULT CWnd::Default() {
    const MSG& current = afx_internal::CurrentMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType != ODT_MENU &&
        afx_internal::ReflectToChild(lpDrawItemStruct->hwndItem, WM_DRAWITEM, WPARAM(nIDCtl),
                                     LPARAM(lpDrawItemStruct), nullptr))
        return;
    DefWindowProc(WM_DRAWITEM, WPARAM(nIDCtl), LPARAM(lpDrawItemStruct));
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType != ODT_MENU &&
        afx_internal::ReflectToChild(::GetDlgItem(m_hWnd, nIDCtl), WM_MEASUREITEM, WPARAM(nIDCtl),
                                     LPARAM(lpMeasureItemStruct), nullptr))
        return;
    DefWindowProc(WM_MEASUREITEM, WPARAM(nIDCtl), LPARAM(lpMeasureItemStruct));
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    UINT message = WM_CTLCOLORMSGBOX + nCtlColor;
    WPARAM hdc = WPARAM(pDC ? pDC->m_hDC : nullptr);
    HWND hWndControl = pWnd ? pWnd->m_hWnd : nullptr;
    LRESULT brush = 0;
    if (hWndControl != m_hWnd &&
        afx_internal::ReflectToChild(hWndControl, message, hdc, LPARAM(hWndControl), &brush))
        return reinterpret_cast<HBRUSH>(brush);
    return reinterpret_cast<HBRUSH>(DefWindowProc(message, hdc, LPARAM(hWndControl)));
}

// ---- data exchange
// -------------------------------------------------------------------------------------------
void CWnd::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    afx_internal::ScopedSet<HWND> lockout(Thread().hLockoutNotifyWindow, m_hWnd);
    try {
        DoDataExchange(&exchange);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) {
    return FALSE;
}
