// The dialog manager: DefDlgProcW, IsDialogMessageW and the helpers on dialog items.
//
// DefDlgProcW calls the dialog procedure (DWLP_DLGPROC) first; a procedure that handles a message
// answers through DWLP_MSGRESULT (or directly for WM_CTLCOLOR*, WM_INITDIALOG and the few others
// Windows lets return a value). Unhandled messages get the dialog's defaults: the background is erased
// with the brush WM_CTLCOLORDLG gives, WM_CLOSE posts WM_COMMAND IDCANCEL, the dialog font answers
// WM_GETFONT, the focused control is remembered on deactivation and given back on activation.
//
// IsDialogMessageW asks the control with the focus for WM_GETDLGCODE first, then: Esc sends WM_COMMAND
// IDCANCEL, Enter sends the default button's command, Tab / Shift+Tab move the focus through the
// WS_TABSTOP controls in template order, arrow keys move within a group (clicking radio buttons).
//
// Does NOT: handle mnemonics (Alt+letter), descend into WS_EX_CONTROLPARENT children, move the
// default-button look with the focus, or send DM_REPOSITION.
#include "win32/dialogs.h"
#include "win32/internal.h"

#include <algorithm>
#include <cstring>

namespace standin {
namespace {

bool CanTakeFocus(HWND control) {
    Window* window = LookupWindow(control);
    return window && (window->m_style & WS_VISIBLE) && !(window->m_style & WS_DISABLED);
}

std::vector<HWND> ChildrenOf(HWND dialog) {
    Window* window = LookupWindow(dialog);
    return window ? window->Children() : std::vector<HWND>{};
}

LONG StyleOf(HWND hwnd) {
    return static_cast<LONG>(GetWindowLongPtrW(hwnd, GWL_STYLE));
}

void SaveFocus(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus))
        if (DialogData* data = DialogOf(dialog))
            data->m_savedFocus = focus;
}

void RestoreFocus(HWND dialog) {
    DialogData* data = DialogOf(dialog);
    if (!data)
        return;
    HWND target = data->m_savedFocus;
    if (!IsWindow(target) || !IsChild(dialog, target) || !CanTakeFocus(target))
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target)
        SetFocus(target);
}

void NextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (target && IsChild(dialog, target))
        DialogSetFocus(target);
}

LRESULT DefaultDialogProcessing(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        auto dc = reinterpret_cast<HDC>(wParam);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
        if (!brush)
            brush = reinterpret_cast<HBRUSH>(
                DefWindowProcW(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
        RECT client;
        GetClientRect(dialog, &client);
        FillRect(dc, &client, brush);
        return 1;
    }
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel)) {
            MessageBeep(0);
            return 0;
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_SETFONT:
        if (DialogData* data = DialogOf(dialog))
            data->m_font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(dialog, nullptr, TRUE);
        return 0;
    case WM_GETFONT: {
        DialogData* data = DialogOf(dialog);
        return data ? reinterpret_cast<LRESULT>(data->m_font) : 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            SaveFocus(dialog);
        else
            RestoreFocus(dialog);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(dialog);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            SaveFocus(dialog);
        return DefWindowProcW(dialog, msg, wParam, lParam);
    case DM_GETDEFID: {
        DialogData* data = DialogOf(dialog);
        return data && data->m_defaultId ? MAKELONG(data->m_defaultId, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
        if (DialogData* data = DialogOf(dialog))
            data->m_defaultId = static_cast<int>(wParam);
        return TRUE;
    case WM_NEXTDLGCTL:
        NextControl(dialog, wParam, lParam);
        return 0;
    case WM_NOTIFY:
        // DefWindowProc's answer, without asking it: a list tells its dialog of every row it
        // changes, and the dialog leaves most of that to the default.
        return 0;
    default:
        return DefWindowProcW(dialog, msg, wParam, lParam);
    }
}

bool ReturnsDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG ||
           msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON;
}

// Enter: the focused push button, else the dialog's default button (DM_GETDEFID), else IDOK.
void PressDefaultButton(HWND dialog) {
    HWND focus = GetFocus();
    int id = IDOK;
    HWND button = nullptr;
    if (focus && IsChild(dialog, focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        button = focus;
        id = GetDlgCtrlID(focus);
    } else {
        LRESULT defId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(defId) == DC_HASDEFID)
            id = LOWORD(defId);
        button = GetDlgItem(dialog, id);
    }
    if (button && !IsWindowEnabled(button))
        return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// True when the key was the dialog manager's to handle.
bool HandleKey(HWND dialog, const MSG& msg) {
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS)
            return false;
        HWND next = GetNextDlgGroupItem(dialog, msg.hwnd, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        if (next && next != msg.hwnd) {
            DialogSetFocus(next);
            if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                SendMessageW(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    case VK_ESCAPE:
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_RETURN:
        PressDefaultButton(dialog);
        return true;
    default:
        return false;
    }
}

} // namespace

void DialogSetFocus(HWND control) {
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

} // namespace standin

using namespace standin;

extern "C" {

// Every message a dialog gets passes here, a list's notifications of its rows among them: the
// dialog's own extra bytes (DWLP_MSGRESULT, DWLP_DLGPROC, both inside DLGWINDOWEXTRA) are read and
// written in the window found once, not looked up again by each Get/SetWindowLongPtrW. Only while the
// procedure runs may the window go, so it is looked up again after it.
LRESULT WINAPI DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(dialog);
    if (!window)
        return 0;
    const bool hasDialogBytes = window->m_extra.size() >= DWLP_DLGPROC + sizeof(LONG_PTR);
    DLGPROC proc = nullptr;
    if (hasDialogBytes)
        std::memcpy(&proc, window->m_extra.data() + DWLP_DLGPROC, sizeof(proc));
    INT_PTR handled = 0;
    if (proc) {
        const LONG_PTR noResult = 0;
        std::memcpy(window->m_extra.data() + DWLP_MSGRESULT, &noResult, sizeof(noResult));
        handled = proc(dialog, msg, wParam, lParam);
        window = LookupWindow(dialog);
    }
    if (handled) {
        if (ReturnsDirectly(msg) || !window)
            return handled;
        LONG_PTR result = 0;
        std::memcpy(&result, window->m_extra.data() + DWLP_MSGRESULT, sizeof(result));
        return result;
    }
    if (!window)
        return 0;
    return DefaultDialogProcessing(dialog, msg, wParam, lParam);
}

BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg) {
    if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_KEYDOWN && HandleKey(dialog, *msg))
        return TRUE;
    if (msg->message == WM_CHAR) {
        LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        bool wanted = code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE);
        // The characters of Tab, Enter and Esc have their keys' codes.
        if (!wanted && (msg->wParam == VK_TAB ? !(code & DLGC_WANTTAB)
                                              : msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
            return TRUE; // the key already did its dialog work; its character goes nowhere
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> children = ChildrenOf(dialog);
    if (children.empty())
        return nullptr;
    if (previous)
        std::reverse(children.begin(), children.end());
    auto start = std::find(children.begin(), children.end(), control);
    size_t n = children.size();
    size_t first = start == children.end() ? 0 : static_cast<size_t>(start - children.begin()) + 1;
    size_t count = start == children.end() ? n : n - 1;
    for (size_t k = 0; k < count; ++k) {
        HWND candidate = children[(first + k) % n];
        if ((StyleOf(candidate) & WS_TABSTOP) && CanTakeFocus(candidate))
            return candidate;
    }
    return start == children.end() ? nullptr : control;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> children = ChildrenOf(dialog);
    auto at = std::find(children.begin(), children.end(), control);
    if (at == children.end())
        return control ? nullptr : GetNextDlgTabItem(dialog, nullptr, previous);
    size_t index = static_cast<size_t>(at - children.begin());
    size_t begin = index;
    while (begin > 0 && !(StyleOf(children[begin]) & WS_GROUP))
        --begin;
    size_t end = index + 1;
    while (end < children.size() && !(StyleOf(children[end]) & WS_GROUP))
        ++end;
    size_t size = end - begin;
    for (size_t k = 1; k < size; ++k) {
        size_t offset = previous ? (index - begin + size - k) % size : (index - begin + k) % size;
        HWND candidate = children[begin + offset];
        if (CanTakeFocus(candidate))
            return candidate;
    }
    return control;
}

LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageW(control, msg, wParam, lParam) : 0;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return FALSE;
    SendMessageW(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check) {
    if (!IsWindow(dialog))
        return FALSE;
    for (HWND child : ChildrenOf(dialog)) {
        int id = GetDlgCtrlID(child);
        if (id >= first && id <= last)
            SendMessageW(child, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextW(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int count) {
    if (buffer && count > 0)
        buffer[0] = L'\0';
    HWND control = GetDlgItem(dialog, id);
    return control ? static_cast<UINT>(GetWindowTextW(control, buffer, count)) : 0;
}
}
