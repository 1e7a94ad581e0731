// The MFC subset's window classes over the stand-in's user32: CCmdTarget with message maps, CWnd with
// its handle map, CDialog, dialog data exchange, GDI wrappers, menus, the standard controls, the
// application object, the module state and extension libraries.
//
// How a window reaches its C++ object: every window that a CWnd creates, subclasses (DDX_Control,
// SubclassWindow) or whose class uses AfxWndProc is "permanent": its messages run through AfxWndProc,
// CWnd::WindowProc, OnWndMsg (the message maps, most derived first) and, when nobody handles them,
// DefWindowProc, which calls the window's original procedure (for a dialog: the dialog manager, which
// in turn calls AfxDlgProc). Any other window gets a temporary CWnd from FromHandle (GetDlgItem); it
// lives until that window is destroyed and is then freed by the next look-up that notices.
//
// A window an object creates is given to the object by a creation hook (WH_CBT) before its first
// message, so WM_NCCREATE and WM_CREATE already run through the maps, whatever its class.
//
// What it does NOT do: frame windows, documents and views (CFrameWnd, CView, CDocument), command
// routing to an owner frame, UPDATE_COMMAND_UI, OLE controls on dialogs, DLGINIT resources, the
// Shift+F1 help mode, per-thread handle maps (there is one user-interface thread), DoModal with MFC's
// own modal loop (the dialog manager's loop runs it), CWnd::MessageBox (use AfxMessageBox).
#pragma once

#include "afx.h"

class CCmdTarget;
class CWnd;
class CDC;
class CDialog;
class CDataExchange;
class CMenu;
struct AFX_CMDHANDLERINFO;
struct CCreateContext;

// ---- numbers MFC adds to Windows' ---------------------------------------------------------------------
#define WM_CTLCOLOR 0x0019 // the one message-map entry for every WM_CTLCOLOR* message
#ifndef CTLCOLOR_MSGBOX
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6
#endif
#define WM_REFLECT_BASE 0xBC00 // a child's own map sees its parent-bound messages as WM_REFLECT_BASE + msg
#define CN_COMMAND 0           // menu and accelerator commands (a control's BN_CLICKED is also 0)
#define AFX_IDW_PANE_FIRST 0xE900

// ---- message maps -------------------------------------------------------------------------------------
// One dispatched message as the map's handler thunks see it.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
// A thunk unpacks the message, calls the handler with its exact MFC signature, and stores the result;
// it returns FALSE only for the "_EX" reflection entries whose handler declined the message.
typedef BOOL (*AFX_PMSGDISPATCH)(CCmdTarget* pTarget, const AFX_MSGCALL& call, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_*, WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR, or WM_REFLECT_BASE + one of them
    UINT nCode;    // notification code for WM_COMMAND / WM_NOTIFY entries
    UINT nID;      // first and last control or command id
    UINT nLastID;
    AFX_PMSGDISPATCH pfnDispatch; // null ends the map
};
struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};
// Forgets the window messages looked up so far. A library's unload does the same by itself (see
// AfxExtensionUnloaded), so that no answer outlives the map it came from.
AFX_API void AFXAPI AfxResetMsgCache();

// Declares the map inside a class. GetMessageMap is declared `override`, so a class that declares a
// map marks its other overrides `override` too (clang checks that they agree).
#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                     \
    const AFX_MSGMAP* GetMessageMap() const override;

// Handlers are named as `&ThisClass::OnX` (or `&TheClass::OnX`) and must have MFC's exact signature.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass [[maybe_unused]] = baseClass;                                                     \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, nullptr }                                                                                  \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// ---- CCmdTarget -----------------------------------------------------------------------------------------
class AFX_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override;

    // Runs the WM_COMMAND handler of the map for (nID, nCode); TRUE when one ran.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's maps (most derived first) for the message, code and id.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#include "afxgdi_.h"

// ---- CWnd -------------------------------------------------------------------------------------------------
AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

class AFX_API CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    // A window still attached when its object ends is destroyed with it (as MFC does, without the
    // derived class's handlers, which are gone by then).
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // ---- the handle map ----
    // The permanent object of a window, else a temporary one (the same pointer until the window dies);
    // null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWndNew);
    // Lets go of the window without touching it: a subclassed window is given back its own
    // procedure with UnsubclassWindow instead.
    HWND Detach();
    // Attaches and routes the window's messages through this object's maps; FALSE for a window that
    // already has a permanent object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // ---- creation and destruction ----
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // ---- message handling ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void PostNcDestroy();
    virtual void DoDataExchange(CDataExchange* pDX);
    // The default processing of the message being handled (the one AfxWndProc is dispatching).
    LRESULT Default();
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    static const MSG* PASCAL GetCurrentMessage();

    // Copies members to controls (FALSE) or controls to members (TRUE) through DoDataExchange; FALSE
    // when a validation failed (CUserException).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // ---- messages and state ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(LPCWSTR lpszString);
    int GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // ---- geometry ----
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();

    // ---- relatives, focus ----
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* SetFocus();
    static CWnd* PASCAL GetFocus();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();

    // ---- dialog items ----
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetDlgItemText(int nID, LPCWSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // ---- message handlers with MFC's signatures; each does the default processing ----
    afx_msg int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    // Asks the control first (reflection); otherwise the default processing.
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // Asks the control first (reflection), else the default brush (the dialog manager's for a dialog).
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

protected:
    WNDPROC m_pfnSuper = nullptr; // the window's own procedure, called by DefWindowProc
    friend AFX_API LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
};

// ---- dialog data exchange ---------------------------------------------------------------------------------
class AFX_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    // The control's window; a missing control throws CNotSupportedException, as MFC does.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange after a failed validation (the user has been told): throws CUserException.
    [[noreturn]] void Fail();
};

// Attaches the member control to dialog item nIDC on the first exchange (when it has no window yet).
AFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The index of the checked button of the radio group that starts at nIDC (-1: none); loading -1
// clears the whole group.
AFX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// ---- CDialog ----------------------------------------------------------------------------------------------
AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class AFX_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    using CWnd::Create;
    // Modeless creation from the RT_DIALOG resource found through AfxFindResourceHandle (the current
    // resource handle, then the extension libraries). No parent: the main window owns the dialog.
    // OnInitDialog runs inside; an exception it throws leaves Create.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                HINSTANCE hInst = nullptr);
    // Modal run through the dialog manager's own loop; returns EndDialog's result, -1 on failure.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog(); // UpdateData(FALSE), then TRUE
    virtual void OnOK();         // UpdateData(TRUE), then EndDialog(IDOK) if it succeeded
    virtual void OnCancel();     // EndDialog(IDCANCEL)
    // Keyboard and mouse messages of the dialog and its controls go through the dialog manager.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDHelp = 0;

    DECLARE_MESSAGE_MAP()

protected:
    LPCWSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;
};

#include "afxmenu_.h"
#include "afxctrl_.h"
#include "afxstate_.h"
#include "afxdll_.h"
#include "afxmsg_.h"
