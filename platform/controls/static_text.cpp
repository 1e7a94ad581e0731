// STATIC: text labels (SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE, SS_LEFTNOWORDWRAP), with SS_SUNKEN
// and SS_NOPREFIX.
//
// Not done here:
// - images (SS_ICON, SS_BITMAP), frames and rectangles (SS_BLACKRECT, SS_ETCHEDFRAME ...);
// - SS_NOTIFY and its STN_* notifications: a static is transparent to the mouse;
// - mnemonics: without SS_NOPREFIX an '&' is still drawn as it stands;
// - ellipsis styles (SS_ENDELLIPSIS ...).
#include "static_text.h"

#include "control_base.h"
#include "paint_kit.h"

namespace controls {

namespace {

struct StaticState {
    HFONT m_font = nullptr;
};

UINT TextFormat(LONG style) {
    UINT format = DT_NOPREFIX;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return format | DT_RIGHT | DT_WORDBREAK;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return format | DT_LEFT | DT_SINGLELINE;
    default:
        return format | DT_LEFT | DT_WORDBREAK;
    }
}

void Paint(HWND hwnd, const StaticState& state, HDC dc, const RECT& client) {
    FontSelection font(dc, FontOrDefault(state.m_font));
    FillWithParentColours(hwnd, dc, client, WM_CTLCOLORSTATIC);
    RECT inside = client;
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if (style & SS_SUNKEN) {
        RECT edge = client;
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&inside, -1, -1);
    }
    inside = DrawOwnBorder(hwnd, dc, inside);
    DrawControlText(dc, WindowText(hwnd), inside, TextFormat(style), IsWindowEnabled(hwnd) != FALSE);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    StaticState* state = StateOf<StaticState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            AttachState<StaticState>(hwnd);
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (auto answered =
            AnswerCommonMessage(hwnd, msg, wParam, lParam, *state,
                                [&](HDC dc, const RECT& client) { Paint(hwnd, *state, dc, client); })) {
        return *answered;
    }
    switch (msg) {
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterStaticClass() {
    RegisterControlClass(L"Static", StaticProc);
}

} // namespace controls
