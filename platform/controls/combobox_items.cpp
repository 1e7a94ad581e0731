// The items of a drop-down-list combo box: adding, inserting, deleting, finding and reading them,
// the selection set by message, and the sizes its drop-down list shows them with.
#include "combobox_state.h"
#include "control_base.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

namespace controls {

int ComboCount(const ComboState& state) {
    return static_cast<int>(state.m_items.size());
}

int ComboItemHeight(const ComboState& state) {
    return TextLineHeight(state.m_font) + 2;
}

int ComboFaceHeight(const ComboState& state) {
    return ComboItemHeight(state) + 6;
}

int ComboVisibleItems(const ComboState& state) {
    const int room = state.m_droppedHeight - ComboFaceHeight(state) - 2;
    const int fit = std::max(1, room / ComboItemHeight(state));
    return std::max(1, std::min(fit, ComboCount(state)));
}

void ComboScrollList(HWND combo, ComboState& state, int topIndex) {
    const int maxTop = std::max(0, ComboCount(state) - ComboVisibleItems(state));
    const int top = std::clamp(topIndex, 0, maxTop);
    if (top != state.m_listTop) {
        state.m_listTop = top;
        if (state.m_list) {
            InvalidateRect(state.m_list, nullptr, FALSE);
        }
    }
}

bool ComboValidItem(const ComboState& state, int item) {
    return item >= 0 && item < ComboCount(state);
}

void ComboShowItemInList(HWND combo, ComboState& state, int item) {
    if (!ComboValidItem(state, item)) {
        return;
    }
    const int visible = ComboVisibleItems(state);
    if (item < state.m_listTop) {
        ComboScrollList(combo, state, item);
    } else if (item >= state.m_listTop + visible) {
        ComboScrollList(combo, state, item - visible + 1);
    }
}

void ComboSelect(HWND combo, ComboState& state, int item) {
    state.m_selected = ComboValidItem(state, item) ? item : -1;
    state.m_hot = state.m_selected;
    InvalidateRect(combo, nullptr, FALSE);
    if (state.m_list) {
        InvalidateRect(state.m_list, nullptr, FALSE);
    }
}

int ComboFindPrefix(const ComboState& state, int after, const std::wstring& prefix) {
    const int count = ComboCount(state);
    if (count == 0 || prefix.empty()) {
        return CB_ERR;
    }
    const int start = (after < 0 || after >= count) ? 0 : after + 1;
    for (int step = 0; step < count; ++step) {
        const int item = (start + step) % count;
        const std::wstring& text = state.m_items[static_cast<size_t>(item)].text;
        if (text.size() < prefix.size()) {
            continue;
        }
        bool matches = true;
        for (size_t at = 0; at < prefix.size() && matches; ++at) {
            matches = std::towlower(static_cast<wint_t>(text[at])) ==
                      std::towlower(static_cast<wint_t>(prefix[at]));
        }
        if (matches) {
            return item;
        }
    }
    return CB_ERR;
}

const std::wstring& ComboSelectedText(const ComboState& state) {
    static const std::wstring kNone;
    return ComboValidItem(state, state.m_selected) ? state.m_items[static_cast<size_t>(state.m_selected)].text
                                                   : kNone;
}

namespace {

LRESULT InsertString(HWND combo, ComboState& state, int index, LPCWSTR text, bool add) {
    ComboItem item{text ? std::wstring(text) : std::wstring(), 0};
    int at = index;
    if (add) {
        at = ComboCount(state);
        if (GetWindowLongW(combo, GWL_STYLE) & CBS_SORT) {
            auto place =
                std::upper_bound(state.m_items.begin(), state.m_items.end(), item,
                                 [](const ComboItem& a, const ComboItem& b) { return a.text < b.text; });
            at = static_cast<int>(place - state.m_items.begin());
        }
    } else if (at == -1) {
        at = ComboCount(state);
    } else if (at < 0 || at > ComboCount(state)) {
        return CB_ERR;
    }
    state.m_items.insert(state.m_items.begin() + at, std::move(item));
    if (state.m_selected >= at) {
        ++state.m_selected;
    }
    if (state.m_list) {
        InvalidateRect(state.m_list, nullptr, FALSE);
    }
    return at;
}

LRESULT DeleteString(HWND combo, ComboState& state, int index) {
    if (!ComboValidItem(state, index)) {
        return CB_ERR;
    }
    state.m_items.erase(state.m_items.begin() + index);
    if (state.m_selected == index) {
        ComboSelect(combo, state, -1);
    } else if (state.m_selected > index) {
        --state.m_selected;
    }
    ComboScrollList(combo, state, state.m_listTop);
    InvalidateRect(combo, nullptr, FALSE);
    return ComboCount(state);
}

LRESULT SetCurrentSelection(HWND combo, ComboState& state, int index) {
    // An index outside the items leaves no item selected, and says so with CB_ERR.
    ComboSelect(combo, state, index);
    ComboShowItemInList(combo, state, state.m_selected);
    return ComboValidItem(state, index) ? index : CB_ERR;
}

LRESULT CopyItemText(const ComboState& state, int index, LPWSTR buffer) {
    if (!ComboValidItem(state, index)) {
        return CB_ERR;
    }
    const std::wstring& text = state.m_items[static_cast<size_t>(index)].text;
    if (buffer) {
        std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    return static_cast<LRESULT>(text.size());
}

} // namespace

bool ComboItemMessage(HWND combo, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam,
                      LRESULT* result) {
    const int index = static_cast<int>(wParam);
    const LPCWSTR text = reinterpret_cast<LPCWSTR>(lParam) ? reinterpret_cast<LPCWSTR>(lParam) : L"";
    switch (msg) {
    case CB_ADDSTRING:
        *result = InsertString(combo, state, -1, text, true);
        return true;
    case CB_INSERTSTRING:
        *result = InsertString(combo, state, index, text, false);
        return true;
    case CB_DELETESTRING:
        *result = DeleteString(combo, state, index);
        return true;
    case CB_RESETCONTENT:
        state.m_items.clear();
        state.m_listTop = 0;
        ComboSelect(combo, state, -1);
        *result = CB_OKAY;
        return true;
    case CB_GETCOUNT:
        *result = ComboCount(state);
        return true;
    case CB_GETCURSEL:
        *result = state.m_selected;
        return true;
    case CB_SETCURSEL:
        *result = SetCurrentSelection(combo, state, index);
        return true;
    case CB_GETLBTEXT:
        *result = CopyItemText(state, index, reinterpret_cast<LPWSTR>(lParam));
        return true;
    case CB_GETLBTEXTLEN:
        *result =
            ComboValidItem(state, index) ? static_cast<LRESULT>(state.m_items[wParam].text.size()) : CB_ERR;
        return true;
    case CB_FINDSTRING:
        *result = ComboFindPrefix(state, index, text);
        return true;
    case CB_SELECTSTRING:
        *result = ComboFindPrefix(state, index, text);
        if (*result != CB_ERR) {
            ComboSelect(combo, state, static_cast<int>(*result));
        }
        return true;
    case CB_GETITEMDATA:
        *result = ComboValidItem(state, index) ? state.m_items[wParam].data : CB_ERR;
        return true;
    case CB_SETITEMDATA:
        *result = ComboValidItem(state, index) ? TRUE : CB_ERR;
        if (*result == TRUE) {
            state.m_items[wParam].data = lParam;
        }
        return true;
    case CB_GETTOPINDEX:
        *result = state.m_listTop;
        return true;
    case CB_SETTOPINDEX:
        *result = ComboValidItem(state, index) ? 0 : CB_ERR;
        if (*result == 0) {
            ComboScrollList(combo, state, index);
        }
        return true;
    default:
        return false;
    }
}

} // namespace controls
