// Message-map entries of the MFC subset. Each ON_* macro makes one entry whose thunk unpacks the
// message and calls the handler with MFC's exact signature: a handler of another signature does not
// compile (the thunk converts it to the one pointer-to-member type it accepts).
//
// Handlers are named with their class: ON_BN_CLICKED(IDC_X, &CMyDlg::OnX); the ON_WM_* entries find
// the On* handler of ThisClass (the class of BEGIN_MESSAGE_MAP) or of its bases.
//
// What it does NOT do: ON_UPDATE_COMMAND_UI, ON_REGISTERED_MESSAGE, ON_THREAD_MESSAGE, ON_*_RANGE
// beyond commands and notifications, overloaded handler names.
#pragma once

// Included at the end of afxwin.h.

namespace afx_thunk {

template <class C> C* Target(CCmdTarget* t) {
    return static_cast<C*>(t);
}
inline UINT CtlColorKind(UINT message) {
    return message - WM_CTLCOLORMSGBOX;
}

// void () — commands, control notifications, WM_CLOSE, WM_PAINT, WM_DESTROY ...
template <class C, auto F> BOOL v(CCmdTarget* t, const AFX_MSGCALL&, LRESULT* r) {
    constexpr void (C::*fn)() = F;
    (Target<C>(t)->*fn)();
    *r = 0;
    return TRUE;
}
// void (UINT id) — command ranges
template <class C, auto F> BOOL v_id(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT) = F;
    (Target<C>(t)->*fn)(LOWORD(m.wParam));
    *r = 0;
    return TRUE;
}
// void (NMHDR*, LRESULT*) — notifications; the result starts at 0
template <class C, auto F> BOOL notify(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(NMHDR*, LRESULT*) = F;
    *r = 0;
    (Target<C>(t)->*fn)(reinterpret_cast<NMHDR*>(m.lParam), r);
    return TRUE;
}
template <class C, auto F> BOOL notify_id(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, NMHDR*, LRESULT*) = F;
    *r = 0;
    NMHDR* hdr = reinterpret_cast<NMHDR*>(m.lParam);
    (Target<C>(t)->*fn)(UINT(hdr->idFrom), hdr, r);
    return TRUE;
}
// BOOL (NMHDR*, LRESULT*) — reflected notification that may let the parent see it too (FALSE)
template <class C, auto F> BOOL notify_ex(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr BOOL (C::*fn)(NMHDR*, LRESULT*) = F;
    *r = 0;
    return (Target<C>(t)->*fn)(reinterpret_cast<NMHDR*>(m.lParam), r);
}
template <class C, auto F> BOOL wparam_lparam(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr LRESULT (C::*fn)(WPARAM, LPARAM) = F;
    *r = (Target<C>(t)->*fn)(m.wParam, m.lParam);
    return TRUE;
}
template <class C, auto F> BOOL create(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr int (C::*fn)(LPCREATESTRUCTW) = F;
    *r = (Target<C>(t)->*fn)(reinterpret_cast<LPCREATESTRUCTW>(m.lParam));
    return TRUE;
}
template <class C, auto F> BOOL size(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, int, int) = F;
    (Target<C>(t)->*fn)(UINT(m.wParam), short(LOWORD(m.lParam)), short(HIWORD(m.lParam)));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL move(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(int, int) = F;
    (Target<C>(t)->*fn)(short(LOWORD(m.lParam)), short(HIWORD(m.lParam)));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL minmax(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(MINMAXINFO*) = F;
    (Target<C>(t)->*fn)(reinterpret_cast<MINMAXINFO*>(m.lParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL syscommand(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, LPARAM) = F;
    (Target<C>(t)->*fn)(UINT(m.wParam), m.lParam);
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL ctlcolor(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr HBRUSH (C::*fn)(CDC*, CWnd*, UINT) = F;
    HBRUSH brush =
        (Target<C>(t)->*fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)),
                            CWnd::FromHandle(reinterpret_cast<HWND>(m.lParam)), CtlColorKind(m.message));
    *r = reinterpret_cast<LRESULT>(brush);
    return TRUE;
}
// HBRUSH (CDC*, UINT) — reflected colour request; a null brush lets the parent answer
template <class C, auto F> BOOL ctlcolor_reflect(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr HBRUSH (C::*fn)(CDC*, UINT) = F;
    HBRUSH brush =
        (Target<C>(t)->*fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)), CtlColorKind(m.message));
    *r = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}
template <class C, auto F> BOOL b_dc(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr BOOL (C::*fn)(CDC*) = F;
    *r = (Target<C>(t)->*fn)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)));
    return TRUE;
}
template <class C, auto F> BOOL show(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(BOOL, UINT) = F;
    (Target<C>(t)->*fn)(BOOL(m.wParam), UINT(m.lParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL timer(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT_PTR) = F;
    (Target<C>(t)->*fn)(UINT_PTR(m.wParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL focus(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(CWnd*) = F;
    (Target<C>(t)->*fn)(CWnd::FromHandle(reinterpret_cast<HWND>(m.wParam)));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL key(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, UINT, UINT) = F;
    (Target<C>(t)->*fn)(UINT(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL mouse(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, CPoint) = F;
    (Target<C>(t)->*fn)(UINT(m.wParam), CPoint(m.lParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL contextmenu(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(CWnd*, CPoint) = F;
    (Target<C>(t)->*fn)(CWnd::FromHandle(reinterpret_cast<HWND>(m.wParam)), CPoint(m.lParam));
    *r = 0;
    return TRUE;
}
template <class C, auto F> BOOL helpinfo(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr BOOL (C::*fn)(HELPINFO*) = F;
    *r = (Target<C>(t)->*fn)(reinterpret_cast<HELPINFO*>(m.lParam));
    return TRUE;
}
template <class C, auto F> BOOL drawitem(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(int, LPDRAWITEMSTRUCT) = F;
    (Target<C>(t)->*fn)(int(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
    *r = TRUE;
    return TRUE;
}
template <class C, auto F> BOOL measureitem(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(int, LPMEASUREITEMSTRUCT) = F;
    (Target<C>(t)->*fn)(int(m.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
    *r = TRUE;
    return TRUE;
}
template <class C, auto F> BOOL scroll(CCmdTarget* t, const AFX_MSGCALL& m, LRESULT* r) {
    constexpr void (C::*fn)(UINT, UINT, CWnd*) = F;
    (Target<C>(t)->*fn)(LOWORD(m.wParam), HIWORD(m.wParam),
                        CWnd::FromHandle(reinterpret_cast<HWND>(m.lParam)));
    *r = 0;
    return TRUE;
}

} // namespace afx_thunk

#define AFX_WM_ENTRY(msg, kind, fn) {msg, 0, 0, 0, &afx_thunk::kind<ThisClass, fn>},

// ---- commands and control notifications (WM_COMMAND) ---------------------------------------------------
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(id), &afx_thunk::v<ThisClass, memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(idLast), &afx_thunk::v_id<ThisClass, memberFxn>},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, UINT(wNotifyCode), UINT(id), UINT(id), &afx_thunk::v<ThisClass, memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

// ---- notifications (WM_NOTIFY) ---------------------------------------------------------------------------
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY, UINT(wNotifyCode), UINT(id), UINT(id), &afx_thunk::notify<ThisClass, memberFxn>},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY, UINT(wNotifyCode), UINT(id), UINT(idLast), &afx_thunk::notify_id<ThisClass, memberFxn>},

// ---- reflected messages (in the control's own map) ---------------------------------------------------
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_REFLECT_BASE + WM_NOTIFY, UINT(wNotifyCode), 0, 0, &afx_thunk::notify<ThisClass, memberFxn>},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_REFLECT_BASE + WM_NOTIFY, UINT(wNotifyCode), 0, 0, &afx_thunk::notify_ex<ThisClass, memberFxn>},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_REFLECT_BASE + WM_COMMAND, UINT(wNotifyCode), 0, 0, &afx_thunk::v<ThisClass, memberFxn>},
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, &afx_thunk::ctlcolor_reflect<ThisClass, &ThisClass::CtlColor>},

// ---- window messages -------------------------------------------------------------------------------------
#define ON_MESSAGE(msg, memberFxn) {UINT(msg), 0, 0, 0, &afx_thunk::wparam_lparam<ThisClass, memberFxn>},
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, create, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, v, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, v, &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, v, &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, v, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, b_dc, &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, size, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, move, &ThisClass::OnMove)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, minmax, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, syscommand, &ThisClass::OnSysCommand)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, ctlcolor, &ThisClass::OnCtlColor)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, show, &ThisClass::OnShowWindow)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, timer, &ThisClass::OnTimer)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, focus, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, focus, &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, key, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, key, &ThisClass::OnChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, mouse, &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, mouse, &ThisClass::OnRButtonUp)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, contextmenu, &ThisClass::OnContextMenu)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, helpinfo, &ThisClass::OnHelpInfo)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, drawitem, &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, measureitem, &ThisClass::OnMeasureItem)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, scroll, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, scroll, &ThisClass::OnVScroll)
