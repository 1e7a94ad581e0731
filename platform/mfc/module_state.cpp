// The module state and resource handle, the application object, message boxes and the message-loop
// step of an MFC program.
#include "afx_internal.h"

#include <map>
#include <string>
#include <tuple>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

// ---- module state
// -------------------------------------------------------------------------------------------- One for the
// process, made on first use and kept to the end (objects with static storage in any module may ask for it
// while the program ends).
AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
    static AFX_MODULE_STATE* state = [] {
        auto* made = new AFX_MODULE_STATE;
        made->m_hCurrentInstanceHandle = ::GetModuleHandleW(nullptr);
        made->m_hCurrentResourceHandle = made->m_hCurrentInstanceHandle;
        return made;
    }();
    return state;
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState() {
    return AfxGetModuleState();
}

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}
HINSTANCE AFXAPI AfxGetResourceHandle() {
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

// Libraries are searched in chain order, the system ones after all others.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType) {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    HINSTANCE current = state->m_hCurrentResourceHandle;
    if (current != nullptr && ::FindResourceW(current, lpszName, lpszType) != nullptr)
        return current;
    for (BOOL system : {FALSE, TRUE}) {
        for (CDynLinkLibrary* library : state->m_libraryList) {
            if (library->m_bSystem == system && library->m_hResource != nullptr &&
                ::FindResourceW(library->m_hResource, lpszName, lpszType) != nullptr)
                return library->m_hResource;
        }
    }
    return current;
}

// ---- the application
// ------------------------------------------------------------------------------------------
namespace {

// The executable's file name without directory and extension, as Windows names an application.
const CString& ExecutableName() {
    static const CString name = [] {
        wchar_t path[1024] = {};
        DWORD length = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
        std::wstring file(path, length);
        file.erase(0, file.find_last_of(L"/\\") + 1);
        if (size_t dot = file.rfind(L'.'); dot != std::wstring::npos && dot > 0)
            file.erase(dot);
        return CString(file);
    }();
    return name;
}

} // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_hInstance(::GetModuleHandleW(nullptr)) {
    m_strAppName = lpszAppName ? CString(lpszAppName) : ExecutableName();
    m_pszAppName = m_strAppName;
    AfxGetModuleState()->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state->m_pCurrentWinApp == this)
        state->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::PreTranslateMessage(MSG* /*pMsg*/) {
    return FALSE;
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
    return pMsg ? afx_internal::DefaultWndProcException(e, *pMsg) : 0;
}

LRESULT afx_internal::DefaultWndProcException(CException* e, const MSG& message) {
    if (message.message == WM_CREATE)
        return -1;
    if (message.message == WM_PAINT) {
        ::ValidateRect(message.hwnd, nullptr);
        return 0;
    }
    const bool command = message.message == WM_COMMAND;
    if (e == nullptr || !e->IsKindOf(RUNTIME_CLASS(CUserException))) {
        // A WM_COMMAND without a control's handle comes from a menu or an accelerator.
        const bool fromMenu = command && message.lParam == 0;
        AfxMessageBox(fromMenu ? L"Command failed." : L"Internal application error.", MB_OK | MB_ICONSTOP);
    }
    return command ? TRUE : 0;
}

CWinApp* AFXAPI AfxGetApp() {
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWnd* AFXAPI AfxGetMainWnd() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

LPCWSTR AFXAPI AfxGetAppName() {
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszAppName != nullptr)
        return app->m_pszAppName;
    if (LPCWSTR name = AfxGetModuleState()->m_lpszCurrentAppName)
        return name;
    return ExecutableName();
}

// ---- message boxes
// ---------------------------------------------------------------------------------------------
int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr)
        owner = AfxGetMainWnd() ? AfxGetMainWnd()->GetSafeHwnd() : nullptr;
    if (owner != nullptr && (::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetAncestor(owner, GA_ROOT);
    // The box shows exactly the type it is given. The application-wide icon default of a full
    // framework is left out: our components' questions and notices are meant to appear without one.
    return ::MessageBoxW(owner, lpszText ? lpszText : L"", AfxGetAppName(), nType);
}

// ---- the message loop step
// ------------------------------------------------------------------------------------ GetParent gives the
// owner of a popup, so a dialog's owned tooltip and the dialog's owner are on the way.
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg) {
    if (pMsg == nullptr)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd); pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->PreTranslateMessage(pMsg);
}

BOOL AFXAPI AfxPumpMessage() {
    MSG msg{};
    if (!::GetMessageW(&msg, nullptr, 0, 0))
        return FALSE;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

// ---- window classes
// ----------------------------------------------------------------------------------------------
LPCWSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::wstring>* registered =
        new std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::wstring>;
    auto key = std::make_tuple(nClassStyle, hCursor, hbrBackground, hIcon);
    if (auto found = registered->find(key); found != registered->end())
        return found->second.c_str();
    std::wstring name = L"Afx:" + std::to_wstring(registered->size());
    WNDCLASSW wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name.c_str();
    if (::RegisterClassW(&wc) == 0)
        return nullptr;
    return registered->emplace(key, std::move(name)).first->second.c_str();
}
