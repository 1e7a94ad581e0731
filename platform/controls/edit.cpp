// EDIT: a single-line text box (ES_LEFT, ES_CENTER, ES_RIGHT, ES_READONLY, ES_AUTOHSCROLL) with the
// font set by WM_SETFONT; typing at the end and Backspace in an editable one.
//
// Not done here:
// - ES_MULTILINE, ES_PASSWORD, ES_NUMBER, ES_UPPERCASE / ES_LOWERCASE, EM_LIMITTEXT;
// - a caret, a shown selection, caret movement, the clipboard (cut, copy, paste), undo;
// - the context menu of the edit;
// - EN_UPDATE, EN_SETFOCUS, EN_KILLFOCUS, EN_MAXTEXT.
#include "edit.h"

#include "control_base.h"
#include "paint_kit.h"

namespace controls {

namespace {

constexpr int kTextMargin = 2; // between the border and the text, left and right

struct EditState {
    HFONT m_font = nullptr;
    DWORD m_selectionStart = 0;
    DWORD m_selectionEnd = 0;
};

bool IsReadOnly(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
}

// Text that fits is aligned as the style says; text wider than the box shows its beginning, as an
// auto-scrolling edit does after its text was set.
UINT AlignmentFor(HDC dc, HWND hwnd, const std::wstring& text, int width) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG align = style & (ES_CENTER | ES_RIGHT);
    if (align == 0 || text.empty()) {
        return DT_LEFT;
    }
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (extent.cx > width) {
        return DT_LEFT;
    }
    return (align & ES_RIGHT) ? DT_RIGHT : DT_CENTER;
}

void Paint(HWND hwnd, const EditState& state, HDC dc, const RECT& client) {
    FontSelection font(dc, FontOrDefault(state.m_font));
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    // A read-only or disabled edit asks as a static does; only an editable one asks as an edit.
    const UINT message = (IsReadOnly(hwnd) || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    FillWithParentColours(hwnd, dc, client, message);
    RECT inside = DrawOwnBorder(hwnd, dc, client);
    if (!enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    InflateRect(&inside, -kTextMargin, 0);
    inside.top += 1;
    const std::wstring text = WindowText(hwnd);
    if (text.empty() || inside.right <= inside.left) {
        return;
    }
    const UINT format =
        DT_SINGLELINE | DT_NOPREFIX | DT_TOP | AlignmentFor(dc, hwnd, text, inside.right - inside.left);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside, format);
}

void TextChanged(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyCommand(hwnd, EN_CHANGE);
}

void OnChar(HWND hwnd, WPARAM ch) {
    if (IsReadOnly(hwnd)) {
        return;
    }
    std::wstring text = WindowText(hwnd);
    if (ch == VK_BACK) {
        if (text.empty()) {
            return;
        }
        text.pop_back();
    } else if (ch >= 0x20) {
        text.push_back(static_cast<wchar_t>(ch));
    } else {
        return;
    }
    DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    TextChanged(hwnd);
}

void SetReadOnly(HWND hwnd, bool readOnly) {
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY));
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT GetSelection(const EditState& state, WPARAM wParam, LPARAM lParam) {
    if (wParam) {
        *reinterpret_cast<DWORD*>(wParam) = state.m_selectionStart;
    }
    if (lParam) {
        *reinterpret_cast<DWORD*>(lParam) = state.m_selectionEnd;
    }
    return MAKELRESULT(state.m_selectionStart, state.m_selectionEnd);
}

// EM_SETSEL: -1 as start removes the selection, -1 as end means the end of the text.
void SetSelection(HWND hwnd, EditState& state, WPARAM start, LPARAM end) {
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(hwnd));
    auto clamp = [&](LONG_PTR value) {
        return (value < 0 || static_cast<DWORD>(value) > length) ? length : static_cast<DWORD>(value);
    };
    if (static_cast<int>(start) == -1) {
        state.m_selectionStart = state.m_selectionEnd;
        return;
    }
    state.m_selectionStart = clamp(static_cast<LONG_PTR>(static_cast<int>(start)));
    state.m_selectionEnd = clamp(end);
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    EditState* state = StateOf<EditState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            AttachState<EditState>(hwnd);
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
        state->m_selectionStart = state->m_selectionEnd = 0;
        TextChanged(hwnd);
        return result;
    }
    case WM_CHAR:
        OnChar(hwnd, wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        return 0;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case EM_SETREADONLY:
        SetReadOnly(hwnd, wParam != 0);
        return TRUE;
    case EM_GETSEL:
        return GetSelection(*state, wParam, lParam);
    case EM_SETSEL:
        SetSelection(hwnd, *state, wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterEditClass() {
    RegisterControlClass(L"Edit", EditProc, CS_DBLCLKS);
}

} // namespace controls
