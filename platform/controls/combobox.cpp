// COMBOBOX as a drop-down list (CBS_DROPDOWNLIST): a face showing the selected item with the arrow
// button, and a drop-down list of the items. Mouse and keys select items and notify the parent
// with CBN_SELCHANGE; CBN_DROPDOWN, CBN_SELENDOK / CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_SETFOCUS and
// CBN_KILLFOCUS come as on Windows.
//
// Not done here:
// - CBS_SIMPLE and CBS_DROPDOWN (no edit field: every combo box behaves as a drop-down list);
// - owner-drawn items (CBS_OWNERDRAW*), CBS_NOINTEGRALHEIGHT, CB_SETMINVISIBLE, CB_SETITEMHEIGHT;
// - the mouse wheel on a closed combo box, CBN_DBLCLK, CBN_EDIT*;
// - case-sensitive or locale-aware sorting: CBS_SORT orders by character code.
#include "combobox.h"

#include "combo_painter.h"
#include "combobox_state.h"
#include "control_base.h"
#include "paint_kit.h"

#include <algorithm>
#include <cstring>

namespace controls {

namespace {

// A person choosing with the keys: the selection moves at once and the parent hears of it when it
// really changed. With the list closed the choice is final at once, so CBN_SELENDOK comes right
// before CBN_SELCHANGE, as Windows sends them; in the open list the choice is ended by Return
// (CBN_SELENDOK) or Esc (CBN_SELENDCANCEL), which closes the list and keeps what the keys chose.
void SelectByUser(HWND combo, ComboState& state, int item) {
    item = std::clamp(item, 0, ComboCount(state) - 1);
    if (item == state.m_selected) {
        return;
    }
    ComboSelect(combo, state, item);
    ComboShowItemInList(combo, state, item);
    if (!state.m_dropped) {
        NotifyCommand(combo, CBN_SELENDOK);
        if (!StillAlive(combo)) {
            return;
        }
    }
    NotifyCommand(combo, CBN_SELCHANGE);
}

// The face is as high as an item plus its border, whatever height the creator gave: that height is
// kept for the face and the open list together.
void FitFace(HWND combo, ComboState& state) {
    RECT window{};
    GetWindowRect(combo, &window);
    const int height = window.bottom - window.top;
    const int face = ComboFaceHeight(state);
    if (height == face || state.m_resizing) {
        return;
    }
    if (height > face) {
        state.m_droppedHeight = height;
    }
    state.m_resizing = true;
    SetWindowPos(combo, nullptr, 0, 0, window.right - window.left, face,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    state.m_resizing = false;
}

RECT ListScreenRect(HWND combo, const ComboState& state) {
    RECT window{};
    GetWindowRect(combo, &window);
    const int height = ComboVisibleItems(state) * ComboItemHeight(state) + 2;
    return RECT{window.left, window.bottom, window.right, window.bottom + height};
}

void DropDown(HWND combo, ComboState& state) {
    if (state.m_dropped || !state.m_list) {
        return;
    }
    NotifyCommand(combo, CBN_DROPDOWN);
    if (!StillAlive(combo)) {
        return;
    }
    state.m_hot = state.m_selected;
    ComboShowItemInList(combo, state, state.m_selected);
    const RECT place = ListScreenRect(combo, state);
    SetWindowPos(state.m_list, HWND_TOP, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    state.m_dropped = true;
    // The open list takes the mouse, so that a click anywhere else closes it.
    SetCapture(state.m_list);
    InvalidateRect(combo, nullptr, FALSE);
    InvalidateRect(state.m_list, nullptr, FALSE);
}

void OnButtonDown(HWND combo, ComboState& state) {
    if (GetFocus() != combo) {
        SetFocus(combo);
        if (!StillAlive(combo)) {
            return;
        }
    }
    if (state.m_dropped) {
        ComboCloseUp(combo, state, false);
    } else {
        DropDown(combo, state);
    }
}

void OnKeyDown(HWND combo, ComboState& state, WPARAM key) {
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        // F4 or Alt+arrow opens or closes the list.
        if (state.m_dropped) {
            ComboCloseUp(combo, state, true);
        } else {
            DropDown(combo, state);
        }
        return;
    }
    if (state.m_dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
        ComboCloseUp(combo, state, key == VK_RETURN);
        return;
    }
    if (ComboCount(state) == 0) {
        return;
    }
    const int current = state.m_selected;
    const int page = ComboVisibleItems(state);
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        SelectByUser(combo, state, current < 0 ? 0 : current - 1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        SelectByUser(combo, state, current + 1);
        break;
    case VK_PRIOR:
        SelectByUser(combo, state, current - page + 1);
        break;
    case VK_NEXT:
        SelectByUser(combo, state, current + page - 1);
        break;
    case VK_HOME:
        SelectByUser(combo, state, 0);
        break;
    case VK_END:
        SelectByUser(combo, state, ComboCount(state) - 1);
        break;
    default:
        break;
    }
}

void OnChar(HWND combo, ComboState& state, WPARAM ch) {
    if (ch < 0x20) {
        return;
    }
    const int found = ComboFindPrefix(state, state.m_selected, std::wstring(1, static_cast<wchar_t>(ch)));
    if (found != CB_ERR) {
        SelectByUser(combo, state, found);
    }
}

// WM_GETTEXT of a drop-down list is the text of the selected item.
LRESULT CopySelectedText(const ComboState& state, int size, LPWSTR buffer) {
    if (!buffer || size <= 0) {
        return 0;
    }
    const std::wstring& text = ComboSelectedText(state);
    const int copied = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(copied) * sizeof(wchar_t));
    buffer[copied] = L'\0';
    return copied;
}

LRESULT DroppedRect(HWND combo, const ComboState& state, RECT* rect) {
    if (!rect) {
        return CB_ERR;
    }
    GetWindowRect(combo, rect);
    rect->bottom = ListScreenRect(combo, state).bottom;
    return TRUE;
}

LRESULT DialogCode(const ComboState& state, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    // While the list is open, Enter and Esc close the list instead of the dialog.
    if (state.m_dropped && msg && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

// The scroll bar styles of a combo box are meant for its drop-down list; the face never shows one.
void TakeScrollBarStyles(HWND combo, ComboState& state) {
    const LONG style = GetWindowLongW(combo, GWL_STYLE);
    state.m_listScrollBar = (style & WS_VSCROLL) != 0;
    if (style & (WS_VSCROLL | WS_HSCROLL)) {
        SetWindowLongW(combo, GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
    }
}

// ---- painting -------------------------------------------------------------------------------------
void Paint(HWND combo, const ComboState& state, HDC dc, const RECT& client) {
    FontSelection font(dc, FontOrDefault(state.m_font));
    ComboFaceLook look;
    look.enabled = IsWindowEnabled(combo) != FALSE;
    look.dropped = state.m_dropped;
    look.focused = GetFocus() == combo;
    if (ComboValidItem(state, state.m_selected)) {
        look.text = &state.m_items[static_cast<size_t>(state.m_selected)].text;
    }
    // The face of a drop-down list asks as an edit does, or as a static when disabled (Windows 4.0
    // and later); the open list asks with WM_CTLCOLORLISTBOX.
    look.background = AskParentForColours(combo, dc, look.enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    look.arrowWidth = scrollBar > 0 ? scrollBar : 16;
    PaintComboFace(dc, client, look);
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ComboState* state = StateOf<ComboState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            TakeScrollBarStyles(hwnd, *AttachState<ComboState>(hwnd));
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (auto answered =
            AnswerCommonMessage(hwnd, msg, wParam, lParam, *state,
                                [&](HDC dc, const RECT& client) { Paint(hwnd, *state, dc, client); })) {
        if (msg == WM_SETFONT) {
            FitFace(hwnd, *state); // the face is as high as a line of the new font
        }
        return *answered;
    }
    switch (msg) {
    case WM_CREATE:
        state->m_droppedHeight = reinterpret_cast<const CREATESTRUCTW*>(lParam)->cy;
        state->m_list = CreateComboList(hwnd);
        FitFace(hwnd, *state);
        return 0;
    case WM_DESTROY:
        if (state->m_list) {
            HWND list = state->m_list;
            state->m_list = nullptr;
            state->m_dropped = false;
            DestroyWindow(list);
        }
        return 0;
    case WM_SIZE:
        FitFace(hwnd, *state);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETTEXT:
        return CopySelectedText(*state, static_cast<int>(wParam), reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(ComboSelectedText(*state).size());
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyCommand(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        ComboCloseUp(hwnd, *state, false);
        if (StillAlive(hwnd)) {
            InvalidateRect(hwnd, nullptr, FALSE);
            NotifyCommand(hwnd, CBN_KILLFOCUS);
        }
        return 0;
    case WM_ENABLE:
        if (!wParam) {
            ComboCloseUp(hwnd, *state, false);
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(*state, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, *state);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, *state, wParam);
        return 0;
    case WM_CHAR:
        OnChar(hwnd, *state, wParam);
        return 0;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // The parts of a combo box ask its parent for their colours.
        return GetParent(hwnd) ? SendMessageW(GetParent(hwnd), msg, wParam, lParam) : 0;

    case CB_SHOWDROPDOWN:
        if (wParam) {
            DropDown(hwnd, *state);
        } else {
            ComboCloseUp(hwnd, *state, false);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state->m_dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        return DroppedRect(hwnd, *state, reinterpret_cast<RECT*>(lParam));
    case CB_GETITEMHEIGHT:
        // -1 asks for the selection field, which lies inside the face's sunken edge.
        return static_cast<int>(wParam) == -1 ? ComboFaceHeight(*state) - 2 * GetSystemMetrics(SM_CYEDGE)
                                              : ComboItemHeight(*state);
    default: {
        LRESULT result = 0;
        if (ComboItemMessage(hwnd, *state, msg, wParam, lParam, &result)) {
            return result;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    }
}

} // namespace

void ComboPickItem(HWND combo, ComboState& state, int item) {
    if (!ComboValidItem(state, item)) {
        return;
    }
    ComboSelect(combo, state, item);
    ComboCloseUp(combo, state, true);
    // A pick with the mouse is reported even when it is the item that was already selected.
    if (StillAlive(combo)) {
        NotifyCommand(combo, CBN_SELCHANGE);
    }
}

void ComboCloseUp(HWND combo, ComboState& state, bool accepted) {
    if (!state.m_dropped) {
        return;
    }
    state.m_dropped = false;
    if (state.m_list) {
        if (GetCapture() == state.m_list) {
            ReleaseCapture();
        }
        ShowWindow(state.m_list, SW_HIDE);
    }
    InvalidateRect(combo, nullptr, FALSE);
    NotifyCommand(combo, accepted ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (StillAlive(combo)) {
        NotifyCommand(combo, CBN_CLOSEUP);
    }
}

void RegisterComboBoxClasses() {
    RegisterControlClass(L"ComboBox", ComboProc, CS_DBLCLKS);
    RegisterComboListClass();
}

} // namespace controls
