// CToolTipCtrl: a tooltip window owned by a dialog, its tools, delays and the relay of mouse messages.
#include "afx_internal.h"

#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | dwStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
}

namespace {

// A tool for a whole window is named by its handle and belongs to the window's parent; a tool for a
// rectangle is named by its id and belongs to the window itself.
TOOLINFOW ToolFor(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0) {
        info.hwnd = ::GetParent(hWnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = UINT_PTR(hWnd);
    } else {
        info.hwnd = hWnd;
        info.uId = nIDTool;
    }
    return info;
}

} // namespace

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    TOOLINFOW info = ToolFor(pWnd, nIDTool);
    if (lpRectTool != nullptr)
        info.rect = *lpRectTool;
    info.lpszText = const_cast<LPWSTR>(lpszText);
    return BOOL(SendMessage(TTM_ADDTOOLW, 0, LPARAM(&info)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOW info = ToolFor(pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, LPARAM(&info));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOW info = ToolFor(pWnd, nIDTool);
    info.lpszText = const_cast<LPWSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, LPARAM(&info));
}

int CToolTipCtrl::GetToolCount() const {
    return int(SendMessage(TTM_GETTOOLCOUNT));
}
void CToolTipCtrl::Activate(BOOL bActivate) {
    SendMessage(TTM_ACTIVATE, WPARAM(bActivate));
}
void CToolTipCtrl::SetDelayTime(UINT nDelay) {
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, LPARAM(nDelay));
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
    SendMessage(TTM_SETDELAYTIME, WPARAM(dwDuration), MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
    return int(SendMessage(TTM_GETDELAYTIME, dwDuration));
}
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    SendMessage(TTM_RELAYEVENT, 0, LPARAM(lpMsg));
}
void CToolTipCtrl::Pop() {
    SendMessage(TTM_POP);
}
