// tooltips_class32: tools registered with TTM_ADDTOOLW (a window with TTF_IDISHWND, or a rectangle of
// a window), mouse messages relayed with TTM_RELAYEVENT, and the tip: a popup window with the tool's
// text below the pointer, shown after the initial delay (at once when it is 0), hidden when the
// pointer leaves the tool, on a click, or after the automatic pop delay. WM_GETTEXT of the tooltip
// window gives the text of the tip shown.
//
// Not done here:
// - TTF_SUBCLASS (the owner must relay), TTF_TRACK / TTM_TRACKPOSITION, TTF_CENTERTIP, balloons,
//   titles, icons, multi-line tips (TTM_SETMAXTIPWIDTH);
// - texts by callback (LPSTR_TEXTCALLBACKW, TTN_GETDISPINFO) or from resources: such a tool has no tip;
// - TTN_SHOW / TTN_POP notifications;
// - the active-window rule: tips show whether or not the owner is active, as with TTS_ALWAYSTIP.
#include "tooltip.h"

#include "control_base.h"
#include "paint_kit.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace controls {

namespace {

constexpr UINT_PTR kInitialTimer = 1;
constexpr UINT_PTR kAutopopTimer = 2;
constexpr int kPointerHeight = 20; // the tip appears this far below the pointer
constexpr int kPadding = 3;

struct Tool {
    UINT flags = 0;
    HWND owner = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::wstring text;
    LPARAM param = 0;
};

struct TooltipState {
    HFONT m_font = nullptr;
    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_shown = -1;   // tool whose tip is shown
    int m_pending = -1; // tool waiting for the initial delay
    int m_clicked = -1; // tool clicked on: no tip again until the pointer leaves it
    int m_initial = 0;  // delays in milliseconds; set from the double-click time at creation
    int m_autopop = 0;
    int m_reshow = 0;
    std::wstring m_text; // text of the tip shown
};

void SetDefaultDelays(TooltipState& state, int initial) {
    state.m_initial = initial;
    state.m_autopop = initial * 10;
    state.m_reshow = initial / 5;
}

int FindTool(const TooltipState& state, HWND owner, UINT_PTR id) {
    for (size_t index = 0; index < state.m_tools.size(); ++index) {
        if (state.m_tools[index].owner == owner && state.m_tools[index].id == id) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int FindTool(const TooltipState& state, const TOOLINFOW* info) {
    return info ? FindTool(state, info->hwnd, info->uId) : -1;
}

// The tool under a relayed mouse message: a window tool (TTF_IDISHWND) is hit by the messages of its
// own window only, a rectangle tool by its window's messages inside the rectangle. A disabled
// control's mouse goes to its parent, so the control's window tool never shows there; a rectangle
// tool of the parent over the control is the way to give it a tip.
int ToolAt(const TooltipState& state, const MSG& msg) {
    const POINT client{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    for (size_t index = 0; index < state.m_tools.size(); ++index) {
        const Tool& tool = state.m_tools[index];
        const bool hit = (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) == msg.hwnd
                                                     : tool.owner == msg.hwnd && PtInRect(&tool.rect, client);
        if (hit) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void Hide(HWND tip, TooltipState& state) {
    KillTimer(tip, kAutopopTimer);
    if (state.m_shown >= 0) {
        state.m_shown = -1;
        state.m_text.clear();
        ShowWindow(tip, SW_HIDE);
    }
}

void CancelPending(HWND tip, TooltipState& state) {
    if (state.m_pending >= 0) {
        state.m_pending = -1;
        KillTimer(tip, kInitialTimer);
    }
}

SIZE TipSize(HWND tip, const TooltipState& state, const std::wstring& text) {
    SIZE extent{};
    HDC dc = GetDC(tip);
    if (dc) {
        FontSelection font(dc, FontOrDefault(state.m_font));
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ReleaseDC(tip, dc);
    }
    return SIZE{extent.cx + 2 * (kPadding + 1),
                std::max<LONG>(extent.cy, TextLineHeight(state.m_font)) + 2 * (kPadding + 1)};
}

void Show(HWND tip, TooltipState& state, int tool) {
    const std::wstring text = state.m_tools[static_cast<size_t>(tool)].text;
    if (text.empty()) {
        return;
    }
    const SIZE size = TipSize(tip, state, text);
    POINT pointer{};
    GetCursorPos(&pointer);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = pointer.x;
    int y = pointer.y + kPointerHeight;
    if (screenWidth > 0) {
        x = std::clamp(x, 0, std::max(0, screenWidth - static_cast<int>(size.cx)));
    }
    if (screenHeight > 0 && y + size.cy > screenHeight) {
        y = pointer.y - size.cy; // no room below the pointer: above it
    }
    state.m_shown = tool;
    state.m_text = text;
    SetWindowPos(tip, HWND_TOP, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tip, nullptr, FALSE);
    if (state.m_autopop > 0) {
        SetTimer(tip, kAutopopTimer, static_cast<UINT>(state.m_autopop), nullptr);
    }
}

void Relay(HWND tip, TooltipState& state, const MSG* msg) {
    if (!msg || !state.m_active || !msg->hwnd) {
        return;
    }
    switch (msg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        // A click puts the tip away; it comes back once the pointer has left the tool.
        state.m_clicked = state.m_shown >= 0 ? state.m_shown : ToolAt(state, *msg);
        CancelPending(tip, state);
        Hide(tip, state);
        return;
    case WM_MOUSEMOVE:
        break;
    default:
        return;
    }
    const int tool = ToolAt(state, *msg);
    if (tool != state.m_clicked) {
        state.m_clicked = -1;
    }
    if (tool < 0 || tool == state.m_clicked) {
        CancelPending(tip, state);
        Hide(tip, state);
        return;
    }
    if (tool == state.m_shown || tool == state.m_pending) {
        return;
    }
    // From one tip straight to the next one takes the reshow delay, otherwise the initial one.
    const int delay = state.m_shown >= 0 ? state.m_reshow : state.m_initial;
    Hide(tip, state);
    CancelPending(tip, state);
    if (delay <= 0) {
        Show(tip, state, tool);
    } else {
        state.m_pending = tool;
        SetTimer(tip, kInitialTimer, static_cast<UINT>(delay), nullptr);
    }
}

void OnTimer(HWND tip, TooltipState& state, WPARAM timer) {
    KillTimer(tip, timer);
    if (timer == kInitialTimer && state.m_pending >= 0) {
        const int tool = state.m_pending;
        state.m_pending = -1;
        Show(tip, state, tool);
    } else if (timer == kAutopopTimer) {
        Hide(tip, state);
    }
}

// ---- the tools ------------------------------------------------------------------------------------
std::wstring TextOf(LPCWSTR text) {
    if (!text || text == LPSTR_TEXTCALLBACKW || IS_INTRESOURCE(text)) {
        return {};
    }
    return std::wstring(text);
}

LRESULT AddTool(TooltipState& state, const TOOLINFOW* info) {
    if (!info) {
        return FALSE;
    }
    Tool tool;
    tool.flags = info->uFlags;
    tool.owner = info->hwnd;
    tool.id = info->uId;
    tool.rect = info->rect;
    tool.text = TextOf(info->lpszText);
    tool.param = info->lParam;
    state.m_tools.push_back(std::move(tool));
    return TRUE;
}

// Indices of shown and pending tips follow a deletion.
void DeleteTool(HWND tip, TooltipState& state, const TOOLINFOW* info) {
    const int index = FindTool(state, info);
    if (index < 0) {
        return;
    }
    if (state.m_shown == index) {
        Hide(tip, state);
    }
    if (state.m_pending == index) {
        CancelPending(tip, state);
    }
    state.m_tools.erase(state.m_tools.begin() + index);
    for (int* remembered : {&state.m_shown, &state.m_pending, &state.m_clicked}) {
        if (*remembered > index) {
            --*remembered;
        } else if (*remembered == index) {
            *remembered = -1;
        }
    }
}

LRESULT GetToolInfo(const TooltipState& state, TOOLINFOW* info) {
    const int index = FindTool(state, info);
    if (index < 0) {
        return FALSE;
    }
    const Tool& tool = state.m_tools[static_cast<size_t>(index)];
    info->uFlags = tool.flags;
    info->rect = tool.rect;
    info->lParam = tool.param;
    return TRUE;
}

// TTM_GETTEXTW: wParam is the buffer's size in characters (80, the old fixed size, when 0).
LRESULT GetToolText(const TooltipState& state, WPARAM size, TOOLINFOW* info) {
    const int index = FindTool(state, info);
    if (index < 0 || !info->lpszText) {
        return 0;
    }
    const std::wstring& text = state.m_tools[static_cast<size_t>(index)].text;
    const size_t capacity = size ? size : 80;
    const size_t copied = std::min(text.size(), capacity - 1);
    std::memcpy(info->lpszText, text.data(), copied * sizeof(wchar_t));
    info->lpszText[copied] = L'\0';
    return 0;
}

LRESULT SetDelay(TooltipState& state, WPARAM which, LPARAM lParam) {
    const int milliseconds = static_cast<short>(LOWORD(lParam));
    const int chosen = milliseconds < 0 ? static_cast<int>(GetDoubleClickTime()) : milliseconds;
    switch (which) {
    case TTDT_AUTOMATIC:
        SetDefaultDelays(state, chosen);
        break;
    case TTDT_INITIAL:
        state.m_initial = chosen;
        break;
    case TTDT_AUTOPOP:
        state.m_autopop = milliseconds < 0 ? chosen * 10 : chosen;
        break;
    case TTDT_RESHOW:
        state.m_reshow = milliseconds < 0 ? chosen / 5 : chosen;
        break;
    default:
        break;
    }
    return 0;
}

LRESULT GetDelay(const TooltipState& state, WPARAM which) {
    switch (which) {
    case TTDT_INITIAL:
        return state.m_initial;
    case TTDT_AUTOPOP:
        return state.m_autopop;
    case TTDT_RESHOW:
        return state.m_reshow;
    default:
        return 0;
    }
}

LRESULT CopyShownText(const TooltipState& state, int size, LPWSTR buffer) {
    if (!buffer || size <= 0) {
        return 0;
    }
    const int copied = std::min(static_cast<int>(state.m_text.size()), size - 1);
    std::memcpy(buffer, state.m_text.data(), static_cast<size_t>(copied) * sizeof(wchar_t));
    buffer[copied] = L'\0';
    return copied;
}

void Paint(const TooltipState& state, HDC dc, const RECT& client) {
    FillSysColour(dc, client, COLOR_INFOBK);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    FontSelection font(dc, FontOrDefault(state.m_font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT label = client;
    InflateRect(&label, -(kPadding + 1), -(kPadding + 1));
    DrawTextW(dc, state.m_text.c_str(), static_cast<int>(state.m_text.size()), &label,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT CALLBACK TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TooltipState* state = StateOf<TooltipState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            SetDefaultDelays(*AttachState<TooltipState>(hwnd), static_cast<int>(GetDoubleClickTime()));
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    auto* info = reinterpret_cast<TOOLINFOW*>(lParam);
    if (auto answered = AnswerCommonMessage(hwnd, msg, wParam, lParam, *state,
                                            [&](HDC dc, const RECT& client) { Paint(*state, dc, client); })) {
        return *answered;
    }
    switch (msg) {
    case WM_DESTROY:
        KillTimer(hwnd, kInitialTimer);
        KillTimer(hwnd, kAutopopTimer);
        return 0;
    case WM_GETTEXT:
        return CopyShownText(*state, static_cast<int>(wParam), reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state->m_text.size());
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_TIMER:
        OnTimer(hwnd, *state, wParam);
        return 0;
    case TTM_RELAYEVENT:
        Relay(hwnd, *state, reinterpret_cast<const MSG*>(lParam));
        return 0;
    case TTM_ADDTOOLW:
        return AddTool(*state, info);
    case TTM_DELTOOLW:
        DeleteTool(hwnd, *state, info);
        return 0;
    case TTM_NEWTOOLRECTW: {
        const int index = FindTool(*state, info);
        if (index >= 0) {
            state->m_tools[static_cast<size_t>(index)].rect = info->rect;
        }
        return 0;
    }
    case TTM_GETTOOLINFOW:
        return GetToolInfo(*state, info);
    case TTM_SETTOOLINFOW:
    case TTM_UPDATETIPTEXTW: {
        const int index = FindTool(*state, info);
        if (index >= 0) {
            Tool& tool = state->m_tools[static_cast<size_t>(index)];
            tool.text = TextOf(info->lpszText);
            if (msg == TTM_SETTOOLINFOW) {
                tool.flags = info->uFlags;
                tool.rect = info->rect;
                tool.param = info->lParam;
            }
            if (state->m_shown == index) {
                state->m_text = tool.text;
                InvalidateRect(hwnd, nullptr, FALSE);
            }
        }
        return 0;
    }
    case TTM_GETTEXTW:
        return GetToolText(*state, wParam, info);
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(state->m_tools.size());
    case TTM_ACTIVATE:
        state->m_active = wParam != 0;
        if (!state->m_active) {
            CancelPending(hwnd, *state);
            Hide(hwnd, *state);
        }
        return 0;
    case TTM_POP:
        CancelPending(hwnd, *state);
        Hide(hwnd, *state);
        return 0;
    case TTM_SETDELAYTIME:
        return SetDelay(*state, wParam, lParam);
    case TTM_GETDELAYTIME:
        return GetDelay(*state, wParam);
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterTooltipClass() {
    RegisterControlClass(TOOLTIPS_CLASSW, TooltipProc);
}

} // namespace controls
