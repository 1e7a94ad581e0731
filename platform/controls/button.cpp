// BUTTON: push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON), check boxes (BS_CHECKBOX, BS_AUTOCHECKBOX,
// BS_3STATE, BS_AUTO3STATE), radio buttons (BS_RADIOBUTTON, BS_AUTORADIOBUTTON) and group boxes.
//
// Not done here:
// - BS_OWNERDRAW, BS_LEFTTEXT, BS_MULTILINE, bitmap and icon buttons, BS_NOTIFY and its
//   BN_SETFOCUS / BN_KILLFOCUS / BN_DOUBLECLICKED;
// - mnemonics: an '&' in the text is drawn as it stands;
// - a distinct look for BST_INDETERMINATE: it is drawn as checked;
// - hot tracking and visual styles: the look is the classic 3-D one.
#include "button.h"

#include "button_painter.h"
#include "control_base.h"
#include "paint_kit.h"

#include <windowsx.h>

#include <vector>

namespace controls {

namespace {

struct ButtonState {
    HFONT m_font = nullptr;
    UINT m_check = BST_UNCHECKED;
    bool m_pressed = false;   // drawn pushed
    bool m_tracking = false;  // the left button went down on us and is still held
    bool m_spaceDown = false; // the space bar went down on us and is still held
};

enum class Kind { Push, Check, Radio, GroupBox };

Kind KindOf(HWND hwnd) {
    switch (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return Kind::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return Kind::Radio;
    case BS_GROUPBOX:
        return Kind::GroupBox;
    default:
        return Kind::Push;
    }
}

LONG TypeOf(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
}

bool PointInClient(HWND hwnd, LPARAM lParam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, pt) != FALSE;
}

// ---- the group of a radio button ------------------------------------------------------------------
// The group runs from the nearest sibling at or before the button that has WS_GROUP to the next
// sibling with WS_GROUP, in creation order. Every other radio button in it is cleared when an
// automatic one is clicked, disabled or hidden ones included: a group never shows two checked.
HWND GroupStart(HWND button) {
    HWND start = button;
    while (!(GetWindowLongW(start, GWL_STYLE) & WS_GROUP)) {
        HWND previous = GetWindow(start, GW_HWNDPREV);
        if (!previous) {
            break;
        }
        start = previous;
    }
    return start;
}

void ClearOtherRadiosOfGroup(HWND button) {
    const HWND start = GroupStart(button);
    for (HWND sibling = start; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != start && (GetWindowLongW(sibling, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        if (sibling != button && (SendMessageW(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) {
            SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

// ---- handlers -------------------------------------------------------------------------------------
void SetCheck(HWND hwnd, ButtonState& state, UINT check) {
    const Kind kind = KindOf(hwnd);
    if (kind != Kind::Check && kind != Kind::Radio) {
        return;
    }
    const LONG type = TypeOf(hwnd);
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) {
        check = BST_CHECKED;
    }
    if (kind == Kind::Radio) {
        // As on Windows, the checked radio button of a group is the one Tab stops at.
        LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        LONG wanted = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style) {
            SetWindowLongW(hwnd, GWL_STYLE, wanted);
        }
    }
    if (state.m_check != check) {
        state.m_check = check;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

// What a completed click does: automatic buttons change their check first, then the parent hears
// BN_CLICKED. A disabled button never notifies.
void Click(HWND hwnd, ButtonState& state) {
    if (!IsWindowEnabled(hwnd) || KindOf(hwnd) == Kind::GroupBox) {
        return;
    }
    switch (TypeOf(hwnd)) {
    case BS_AUTOCHECKBOX:
        SetCheck(hwnd, state, state.m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(hwnd, state, (state.m_check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(hwnd, state, BST_CHECKED);
        ClearOtherRadiosOfGroup(hwnd);
        break;
    default:
        break;
    }
    if (StillAlive(hwnd)) {
        NotifyCommand(hwnd, BN_CLICKED);
    }
}

void SetPressed(HWND hwnd, ButtonState& state, bool pressed) {
    if (state.m_pressed != pressed) {
        state.m_pressed = pressed;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

void OnButtonDown(HWND hwnd, ButtonState& state) {
    if (KindOf(hwnd) == Kind::GroupBox) {
        return;
    }
    SetFocus(hwnd);
    SetCapture(hwnd);
    state.m_tracking = true;
    SetPressed(hwnd, state, true);
}

void OnMouseMove(HWND hwnd, ButtonState& state, LPARAM lParam) {
    if (state.m_tracking) {
        SetPressed(hwnd, state, PointInClient(hwnd, lParam));
    }
}

void OnButtonUp(HWND hwnd, ButtonState& state, LPARAM lParam) {
    if (!state.m_tracking) {
        return;
    }
    state.m_tracking = false;
    const bool inside = PointInClient(hwnd, lParam);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    SetPressed(hwnd, state, false);
    if (inside) {
        Click(hwnd, state);
    }
}

void OnCaptureLost(HWND hwnd, ButtonState& state, HWND newCapture) {
    if (state.m_tracking && newCapture != hwnd) {
        state.m_tracking = false;
        SetPressed(hwnd, state, false);
    }
}

void OnKeyDown(HWND hwnd, ButtonState& state, WPARAM key) {
    if (key == VK_SPACE && KindOf(hwnd) != Kind::GroupBox && !state.m_spaceDown) {
        state.m_spaceDown = true;
        SetPressed(hwnd, state, true);
    }
}

void OnKeyUp(HWND hwnd, ButtonState& state, WPARAM key) {
    if (key == VK_SPACE && state.m_spaceDown) {
        state.m_spaceDown = false;
        SetPressed(hwnd, state, false);
        Click(hwnd, state);
    }
}

void OnKillFocus(HWND hwnd, ButtonState& state) {
    state.m_spaceDown = false;
    if (!state.m_tracking) {
        SetPressed(hwnd, state, false);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT DialogCode(HWND hwnd) {
    switch (KindOf(hwnd)) {
    case Kind::Push:
        return DLGC_BUTTON | (TypeOf(hwnd) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case Kind::Radio:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case Kind::GroupBox:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

LRESULT SetStyle(HWND hwnd, WPARAM style, LPARAM redraw) {
    LONG current = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((current & 0xFFFF0000) | (style & 0xFFFF)));
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return 0;
}

// A group box lies under the buttons placed inside it: they come after it in z-order and show over
// it. What of it they cover (in its client coordinates) is left out of its painting, so its face
// never hides them and they need no repaint after it, as on Windows.
std::vector<RECT> CoveredBySiblings(HWND groupBox) {
    RECT box{};
    GetWindowRect(groupBox, &box);
    std::vector<RECT> covered;
    for (HWND sibling = GetWindow(groupBox, GW_HWNDNEXT); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT other{};
        RECT overlap{};
        GetWindowRect(sibling, &other);
        if (IsWindowVisible(sibling) && IntersectRect(&overlap, &box, &other)) {
            MapWindowPoints(nullptr, groupBox, reinterpret_cast<POINT*>(&other), 2);
            covered.push_back(other);
        }
    }
    return covered;
}

void Paint(HWND hwnd, const ButtonState& state, HDC dc, const RECT& client) {
    FontSelection font(dc, FontOrDefault(state.m_font));
    const Kind kind = KindOf(hwnd);
    const std::wstring text = WindowText(hwnd);
    ButtonLook look;
    look.pressed = state.m_pressed;
    look.checked = state.m_check != BST_UNCHECKED;
    look.enabled = IsWindowEnabled(hwnd) != FALSE;
    look.focused = GetFocus() == hwnd;
    look.isDefault = TypeOf(hwnd) == BS_DEFPUSHBUTTON;
    switch (kind) {
    case Kind::Push: {
        FillWithParentColours(hwnd, dc, client, WM_CTLCOLORBTN);
        PaintPushButton(dc, client, look, text);
        break;
    }
    case Kind::Check:
    case Kind::Radio: {
        FillWithParentColours(hwnd, dc, client, WM_CTLCOLORSTATIC);
        PaintCheckOrRadio(dc, client, look, kind == Kind::Radio, text);
        break;
    }
    case Kind::GroupBox: {
        const int saved = SaveDC(dc);
        for (const RECT& covered : CoveredBySiblings(hwnd)) {
            ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
        }
        HBRUSH background = FillWithParentColours(hwnd, dc, client, WM_CTLCOLORSTATIC);
        PaintGroupBox(dc, client, text, look.enabled, background, TextLineHeight(state.m_font));
        RestoreDC(dc, saved);
        break;
    }
    }
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = StateOf<ButtonState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            AttachState<ButtonState>(hwnd);
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
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(hwnd, *state);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(hwnd);
    case WM_NCHITTEST:
        // A group box lets the mouse through to what lies under it, as on Windows.
        if (KindOf(hwnd) == Kind::GroupBox) {
            return HTTRANSPARENT;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, *state);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, *state, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, *state, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureLost(hwnd, *state, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, *state, wParam);
        return 0;
    case WM_KEYUP:
        OnKeyUp(hwnd, *state, wParam);
        return 0;
    case BM_GETCHECK:
        return state->m_check;
    case BM_SETCHECK:
        SetCheck(hwnd, *state, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        return state->m_check | (state->m_pressed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPressed(hwnd, *state, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        return SetStyle(hwnd, wParam, lParam);
    case BM_CLICK:
        // The same press and release a person makes, at the button's top-left corner.
        if (IsWindowEnabled(hwnd)) {
            SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            if (StillAlive(hwnd)) {
                SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
            }
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterButtonClass() {
    RegisterControlClass(L"Button", ButtonProc, CS_DBLCLKS);
}

} // namespace controls
