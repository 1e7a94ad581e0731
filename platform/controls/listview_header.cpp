// SysHeader32 as the list view uses it: the row of column titles above the rows, a child window of
// the list that reads the columns from the list itself.
//
// Not done here:
// - a header on its own (without a list view parent) and the HDM_* messages beyond HDM_GETITEMCOUNT;
// - clicking, dragging or resizing columns (no HDN_* or LVN_COLUMNCLICK), sort arrows, images.
#include "control_base.h"
#include "listview_state.h"

namespace controls {

namespace {

struct HeaderState {
    HWND m_list = nullptr;
};

ListViewState* ListOf(const HeaderState& header) {
    return header.m_list && IsWindow(header.m_list) ? StateOf<ListViewState>(header.m_list) : nullptr;
}

void Paint(const HeaderState& header, HDC dc, const RECT& client) {
    ListViewState* list = ListOf(header);
    if (!list) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
        return;
    }
    PaintHeaderRow(dc, client, list->m_model, list->m_scrollX, list->m_font);
}

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HeaderState* state = StateOf<HeaderState>(hwnd);
    if (!state) {
        if (msg == WM_NCCREATE || msg == WM_CREATE) {
            AttachState<HeaderState>(hwnd)->m_list = GetParent(hwnd);
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (auto answered = AnswerCommonMessage(hwnd, msg, wParam, lParam, *state,
                                            [&](HDC dc, const RECT& client) { Paint(*state, dc, client); })) {
        return *answered;
    }
    switch (msg) {
    case HDM_GETITEMCOUNT: {
        ListViewState* list = ListOf(*state);
        return list ? list->m_model.columnCount() : 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // A click on the titles gives the list the focus and does nothing else.
        if (state->m_list) {
            SetFocus(state->m_list);
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

void RegisterHeaderClass() {
    RegisterControlClass(WC_HEADERW, HeaderProc);
}

HWND CreateHeaderWindow(HWND list) {
    return CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, kHeaderHeight, list, nullptr,
                           ControlsInstance(), nullptr);
}

} // namespace controls
