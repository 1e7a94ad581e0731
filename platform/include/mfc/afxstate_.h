// The application object, the module state with its resource handle, message boxes and the message
// loop step of the MFC subset.
//
// There is one module state for the whole process, shared by the host program and every extension
// library, as MFC's shared DLL has it for extension libraries.
//
// What it does NOT do: CWinApp's message loop (Run), idle processing, document templates, the
// registry/profile functions, string-table resources (AfxMessageBox by resource id), regular-DLL
// module states (AFX_MANAGE_STATE switches nothing).
#pragma once

// Included by afxwin.h.

#include <vector>

class CWinApp;
class CDynLinkLibrary;

struct AFX_API AFX_MODULE_STATE {
    CWinApp* m_pCurrentWinApp = nullptr;
    HINSTANCE m_hCurrentInstanceHandle = nullptr; // the executable's module
    HINSTANCE m_hCurrentResourceHandle = nullptr; // searched first for resources
    LPCWSTR m_lpszCurrentAppName = nullptr;       // null: the executable's file name
    BOOL m_bDLL = FALSE;
    BOOL m_bSystem = FALSE;
    // Extension libraries in search order (AfxFindResourceHandle).
    std::vector<CDynLinkLibrary*> m_libraryList;
    // Run-time classes registered by the module being loaded (see afxdll_.h).
    CRuntimeClass* m_pClassList = nullptr;
};

AFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
// There is one module state, so switching it is a no-op kept for code written for regular DLLs.
struct AFX_MAINTAIN_STATE2 {
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE*) {}
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)

AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the current resource handle if it has it, else the first
// extension library that does; the current resource handle when none has it.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);

// ---- the application ------------------------------------------------------------------------------------
// A host program may make one (as a global) to give the application name and the main window.
class AFX_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called by the framework for an MFC exception that a message or command handler let go: the
    // window procedure catches it, answers the system with what this returns and deletes it. WM_CREATE
    // fails the creation (-1); WM_PAINT validates the window so it is not painted again and again; any
    // other message shows "Command failed" for a menu or accelerator command, else "Internal
    // application error", and answers TRUE to a WM_COMMAND, 0 to the rest. A CUserException is not
    // shown: the user was told before it was thrown. Other exceptions are not caught at all.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    LPCWSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr; // owner of dialogs made without a parent, of message boxes
    HINSTANCE m_hInstance = nullptr;

private:
    CString m_strAppName;
};

AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API CWnd* AFXAPI AfxGetMainWnd();
// The application's name: CWinApp's, else the module state's, else the executable's file name.
AFX_API LPCWSTR AFXAPI AfxGetAppName();

// A message box owned by the active window (else the main window), captioned with the application's
// name. As MFC does, a box given no icon gets one by its buttons: MB_OK and MB_OKCANCEL show the
// exclamation mark, MB_YESNO and MB_YESNOCANCEL the question mark, the others none. Returns the button
// that closed it.
AFX_API int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

// The message-loop step of an MFC program: offers the message to PreTranslateMessage of every
// permanent window from its target up through its parents (stopping at the first TRUE), then to the
// application. TRUE: the message was used and must not be dispatched.
AFX_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
// One step of such a loop: Get, pre-translate, translate and dispatch. FALSE on WM_QUIT.
AFX_API BOOL AFXAPI AfxPumpMessage();

// A window class whose procedure is AfxWndProc (for CWnd::Create of plain windows); the name is
// registered once per set of arguments.
AFX_API LPCWSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                           HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
