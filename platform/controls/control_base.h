// What every control of the stand-in shares: its state reached from the window handle, the way it
// tells its parent what happened, its font, the colours its parent chooses, and its 3-D border.
// Controls sit on the public Win32 API only, as comctl32 sits on user32.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace controls {

// ---- state reached from the handle ------------------------------------------------------------------
// Every control class reserves one pointer in its window extra bytes; the state lives from
// WM_NCCREATE to WM_NCDESTROY.
constexpr int kStateSlot = 0;
constexpr int kStateExtraBytes = sizeof(void*);

// The window manager has just looked the handle up to deliver the message; asking it again for the
// state on every message is a second look-up of the same handle. Work on a list talks to one window
// over and over, a dialog's data exchange to its handful of buttons in turn, so each kind of control
// keeps the last windows it answered and their states in a few slots by the handle's low bits (its
// table index). A handle value names one window only (its slot's generation moves on when the window
// goes), and the state goes only in DetachState, which forgets it here too. One user-interface
// thread, as the window manager itself.
template <class State> struct LastState {
    HWND hwnd = nullptr;
    State* state = nullptr;
};
constexpr size_t kLastStates = 16;
template <class State> inline LastState<State> g_lastStates[kLastStates];
template <class State> LastState<State>& LastStateSlot(HWND hwnd) {
    return g_lastStates<State>[reinterpret_cast<uintptr_t>(hwnd) % kLastStates];
}

template <class State> State* StateOf(HWND hwnd) {
    LastState<State>& last = LastStateSlot<State>(hwnd);
    if (last.hwnd == hwnd && hwnd != nullptr)
        return last.state;
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, kStateSlot));
    if (state != nullptr)
        last = LastState<State>{hwnd, state};
    return state;
}

template <class State> State* AttachState(HWND hwnd) {
    auto* state = StateOf<State>(hwnd);
    if (!state) {
        state = new State();
        SetWindowLongPtrW(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(state));
    }
    return state;
}

template <class State> void DetachState(HWND hwnd) {
    delete StateOf<State>(hwnd);
    SetWindowLongPtrW(hwnd, kStateSlot, 0);
    if (LastStateSlot<State>(hwnd).hwnd == hwnd)
        LastStateSlot<State>(hwnd) = LastState<State>{};
}

// The module of the controls, whose instance their classes and internal windows are made with.
HINSTANCE ControlsInstance();

// Registers a built-in class with the stand-in's defaults (global, extra bytes for the state, no
// background brush: every control paints its whole client area on WM_PAINT).
void RegisterControlClass(LPCWSTR name, WNDPROC proc, UINT style = 0);

// ---- talking to the parent ------------------------------------------------------------------------
// WM_COMMAND with (id, code) and the control's handle, as every standard control notifies.
void NotifyCommand(HWND control, WORD code);
// WM_NOTIFY with the header filled in (hwndFrom, idFrom, code); returns the parent's answer.
LRESULT NotifyParent(HWND control, NMHDR* header, UINT code);
// A notification may destroy the control; callers check this before touching their state again.
inline bool StillAlive(HWND hwnd) {
    return IsWindow(hwnd) != FALSE;
}

// ---- text and fonts -------------------------------------------------------------------------------
std::wstring WindowText(HWND hwnd);
// The font set with WM_SETFONT, or the stock GUI font when none was set.
HFONT FontOrDefault(HFONT font);
// Height of a text line in `font`, taken from its LOGFONT so that geometry never depends on the
// fonts installed: |lfHeight| (12 for the 9-point dialog font), 12 when the font says nothing.
int TextLineHeight(HFONT font);

// ---- colours --------------------------------------------------------------------------------------
// Prepares `dc` with the default colours of the kind of control, asks the parent with `ctlColorMessage`
// (wParam the DC, lParam the control) and returns the brush to fill the background with. When the
// parent gives no brush the default one of that kind is used.
HBRUSH AskParentForColours(HWND control, HDC dc, UINT ctlColorMessage);
// The same, asking `owner` instead of the parent (the drop-down list of a combo asks the combo box).
HBRUSH AskForColours(HWND control, HWND owner, HDC dc, UINT ctlColorMessage);
// Asks the parent as above and fills `rect` with the brush it gave, which is returned.
HBRUSH FillWithParentColours(HWND control, HDC dc, const RECT& rect, UINT ctlColorMessage);

// ---- border ---------------------------------------------------------------------------------------
// Controls draw their own border (WS_BORDER as a sunken 3-D edge, as a dialog shows it,
// WS_EX_CLIENTEDGE sunken, WS_EX_STATICEDGE thin sunken) when the window manager gave them no
// non-client area for it; this is how wide it is on each side.
int OwnBorderWidth(HWND hwnd);
// Draws that border on `client` and returns the rectangle inside it.
RECT DrawOwnBorder(HWND hwnd, HDC dc, RECT client);
RECT InsideOwnBorder(HWND hwnd);

// ---- painting entry points ------------------------------------------------------------------------
// Runs `paint(dc, client)` for WM_PAINT (between BeginPaint and EndPaint) or WM_PRINTCLIENT
// (on the given DC), so that a control has one painting function for both.
template <class Paint> LRESULT PaintWith(HWND hwnd, UINT msg, WPARAM wParam, Paint paint) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (msg == WM_PRINTCLIENT) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        int saved = SaveDC(dc);
        paint(dc, client);
        RestoreDC(dc, saved);
        return 0;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) {
        paint(dc, client);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// Handler of WM_SETFONT for a control that keeps its font in `slot`.
inline void SetFontAndRedraw(HWND hwnd, HFONT& slot, WPARAM wParam, LPARAM lParam) {
    slot = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// The messages every control answers alike: WM_NCDESTROY ends its state, WM_PAINT and
// WM_PRINTCLIENT go to `paint(dc, client)`, WM_ERASEBKGND does nothing (the whole client area is
// painted), and a state with an `m_font` keeps the font of WM_SETFONT and gives it to WM_GETFONT.
// Any other message is left to the control (std::nullopt).
template <class State, class Paint>
std::optional<LRESULT> AnswerCommonMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, State& state,
                                           Paint paint) {
    switch (msg) {
    case WM_NCDESTROY:
        DetachState<State>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return PaintWith(hwnd, msg, wParam, paint);
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    if constexpr (requires { state.m_font; }) {
        if (msg == WM_SETFONT) {
            SetFontAndRedraw(hwnd, state.m_font, wParam, lParam);
            return 0;
        }
        if (msg == WM_GETFONT) {
            return reinterpret_cast<LRESULT>(state.m_font);
        }
    }
    return std::nullopt;
}

} // namespace controls
