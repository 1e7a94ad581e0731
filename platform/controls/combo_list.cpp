// ComboLBox: the drop-down list of a combo box, a popup window below the face that shows the
// items, follows the pointer, and reports the item picked. It holds the mouse capture while open,
// so a click outside it closes the list without a choice. It answers the list box messages a
// person's tools would ask (LB_GETITEMRECT, LB_GETTOPINDEX, ...).
//
// Not done here:
// - a list box window class of its own ("LISTBOX"): this one only serves combo boxes;
// - keyboard focus: the keys stay with the combo box, which moves the list's choice;
// - dragging the scroll bar's thumb (the arrows, the track and the wheel scroll it).
#include "combo_painter.h"
#include "combobox_state.h"
#include "control_base.h"
#include "paint_kit.h"
#include "scroll_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace controls {

namespace {

constexpr int kFrame = 1; // the list's own one-pixel frame

struct ComboListState {
    HWND m_combo = nullptr;
    bool m_pressedInside = false;
};

ComboState* ComboOf(const ComboListState& list) {
    return list.m_combo && IsWindow(list.m_combo) ? StateOf<ComboState>(list.m_combo) : nullptr;
}

struct ListGeometry {
    RECT items{};
    RECT bar{}; // empty when every item shows
};

ListGeometry GeometryOf(HWND list, const ComboState& combo) {
    RECT client{};
    GetClientRect(list, &client);
    InflateRect(&client, -kFrame, -kFrame);
    ListGeometry geometry{client, RECT{}};
    if (combo.m_listScrollBar && ComboCount(combo) > ComboVisibleItems(combo)) {
        geometry.items.right -= ScrollBarThickness();
        geometry.bar = RECT{geometry.items.right, client.top, client.right, client.bottom};
    }
    return geometry;
}

ScrollBarState BarOf(const ComboState& combo) {
    return ScrollBarState{true, combo.m_listTop, ComboVisibleItems(combo), ComboCount(combo)};
}

int ItemAt(const ListGeometry& geometry, const ComboState& combo, POINT pt) {
    if (!PtInRect(&geometry.items, pt)) {
        return -1;
    }
    const int item = combo.m_listTop + (pt.y - geometry.items.top) / ComboItemHeight(combo);
    return item < ComboCount(combo) ? item : -1;
}

RECT ItemRect(const ListGeometry& geometry, const ComboState& combo, int item) {
    const int height = ComboItemHeight(combo);
    const int top = geometry.items.top + (item - combo.m_listTop) * height;
    return RECT{geometry.items.left, top, geometry.items.right, top + height};
}

void Paint(HWND list, const ComboListState& state, HDC dc, const RECT& client) {
    ComboState* combo = ComboOf(state);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    if (!combo) {
        return;
    }
    FontSelection font(dc, FontOrDefault(combo->m_font));
    HBRUSH background = AskForColours(list, state.m_combo, dc, WM_CTLCOLORLISTBOX);
    const ListGeometry geometry = GeometryOf(list, *combo);
    FillRect(dc, &geometry.items, background);
    const int last = std::min(ComboCount(*combo), combo->m_listTop + ComboVisibleItems(*combo));
    PaintComboItems(dc, geometry.items, combo->m_items, combo->m_listTop, last, ComboItemHeight(*combo),
                    combo->m_hot);
    PaintScrollBar(dc, geometry.bar, BarOf(*combo));
}

void SetHot(HWND list, ComboState& combo, int item) {
    if (item >= 0 && item != combo.m_hot) {
        combo.m_hot = item;
        InvalidateRect(list, nullptr, FALSE);
    }
}

void OnButtonDown(HWND list, ComboListState& state, POINT pt) {
    ComboState* combo = ComboOf(state);
    if (!combo) {
        return;
    }
    RECT client{};
    GetClientRect(list, &client);
    if (!PtInRect(&client, pt)) {
        // A press outside the open list (the face included) closes it without a choice.
        state.m_pressedInside = false;
        ComboCloseUp(state.m_combo, *combo, false);
        return;
    }
    const ListGeometry geometry = GeometryOf(list, *combo);
    if (PtInRect(&geometry.bar, pt)) {
        const ScrollBarState bar = BarOf(*combo);
        ComboScrollList(state.m_combo, *combo,
                        ScrollPositionAfter(bar, ScrollBarHitTest(geometry.bar, bar, pt)));
        return;
    }
    state.m_pressedInside = true;
    SetHot(list, *combo, ItemAt(geometry, *combo, pt));
}

void OnButtonUp(HWND list, ComboListState& state, POINT pt) {
    ComboState* combo = ComboOf(state);
    if (!combo || !combo->m_dropped) {
        return;
    }
    // The release of the press that opened the list (on the face) chooses nothing.
    const int item = ItemAt(GeometryOf(list, *combo), *combo, pt);
    if (item >= 0) {
        state.m_pressedInside = false;
        ComboPickItem(state.m_combo, *combo, item);
    }
}

LRESULT ItemRectMessage(HWND list, const ComboListState& state, int item, RECT* rect) {
    ComboState* combo = ComboOf(state);
    if (!combo || !rect || item < 0 || item >= ComboCount(*combo)) {
        return LB_ERR;
    }
    *rect = ItemRect(GeometryOf(list, *combo), *combo, item);
    return 0;
}

LRESULT CALLBACK ComboListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ComboListState* state = StateOf<ComboListState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            AttachState<ComboListState>(hwnd)->m_combo = static_cast<HWND>(create->lpCreateParams);
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    ComboState* combo = ComboOf(*state);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (auto answered =
            AnswerCommonMessage(hwnd, msg, wParam, lParam, *state,
                                [&](HDC dc, const RECT& client) { Paint(hwnd, *state, dc, client); })) {
        return *answered;
    }
    switch (msg) {
    case WM_MOUSEMOVE:
        if (combo) {
            SetHot(hwnd, *combo, ItemAt(GeometryOf(hwnd, *combo), *combo, pt));
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        OnButtonDown(hwnd, *state, pt);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, *state, pt);
        return 0;
    case WM_MOUSEWHEEL:
        if (combo) {
            const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            ComboScrollList(state->m_combo, *combo, combo->m_listTop - notches * 3);
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse to another window closes the list, as on Windows.
        if (combo && combo->m_dropped && reinterpret_cast<HWND>(lParam) != hwnd) {
            ComboCloseUp(state->m_combo, *combo, false);
        }
        return 0;
    case LB_GETCOUNT:
        return combo ? ComboCount(*combo) : 0;
    case LB_GETCURSEL:
        return combo ? combo->m_hot : LB_ERR;
    case LB_GETTOPINDEX:
        return combo ? combo->m_listTop : 0;
    case LB_SETTOPINDEX:
        if (!combo || static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= ComboCount(*combo)) {
            return LB_ERR;
        }
        ComboScrollList(state->m_combo, *combo, static_cast<int>(wParam));
        return 0;
    case LB_GETITEMHEIGHT:
        return combo ? ComboItemHeight(*combo) : LB_ERR;
    case LB_GETITEMRECT:
        return ItemRectMessage(hwnd, *state, static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
        if (!combo || static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= ComboCount(*combo)) {
            return LB_ERR;
        }
        const std::wstring& text = combo->m_items[wParam].text;
        if (msg == LB_GETTEXT && lParam) {
            std::memcpy(reinterpret_cast<LPWSTR>(lParam), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        }
        return static_cast<LRESULT>(text.size());
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterComboListClass() {
    RegisterControlClass(L"ComboLBox", ComboListProc);
}

HWND CreateComboList(HWND combo) {
    // Owned by the combo's top-level window, so that it goes away with it at the latest.
    return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"ComboLBox", L"", WS_POPUP, 0, 0, 0, 0,
                           GetAncestor(combo, GA_ROOT), nullptr, ControlsInstance(), combo);
}

} // namespace controls
