#include "control_base.h"

#include <cstdlib>
#include <vector>

namespace controls {

HINSTANCE ControlsInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ControlsInstance), &module);
    return module;
}

void RegisterControlClass(LPCWSTR name, WNDPROC proc, UINT style) {
    WNDCLASSW wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = kStateExtraBytes;
    wc.hInstance = ControlsInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void NotifyCommand(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (!parent) {
        return;
    }
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, NMHDR* header, UINT code) {
    HWND parent = GetParent(control);
    if (!parent) {
        return 0;
    }
    header->hwndFrom = control;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header->code = code;
    return SendMessageW(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

std::wstring WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

HFONT FontOrDefault(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int TextLineHeight(HFONT font) {
    LOGFONTW lf{};
    if (GetObjectW(FontOrDefault(font), sizeof(lf), &lf) == 0 || lf.lfHeight == 0) {
        return 12;
    }
    return std::abs(static_cast<int>(lf.lfHeight));
}

namespace {

struct ColourDefaults {
    int background;
    int text;
};

ColourDefaults DefaultsFor(UINT ctlColorMessage) {
    switch (ctlColorMessage) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return {COLOR_WINDOW, COLOR_WINDOWTEXT};
    default:
        return {COLOR_3DFACE, COLOR_WINDOWTEXT};
    }
}

} // namespace

HBRUSH AskForColours(HWND control, HWND owner, HDC dc, UINT ctlColorMessage) {
    ColourDefaults defaults = DefaultsFor(ctlColorMessage);
    SetTextColor(dc, GetSysColor(defaults.text));
    SetBkColor(dc, GetSysColor(defaults.background));
    HBRUSH brush = nullptr;
    if (owner) {
        brush = reinterpret_cast<HBRUSH>(SendMessageW(owner, ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control)));
    }
    return brush ? brush : GetSysColorBrush(defaults.background);
}

HBRUSH AskParentForColours(HWND control, HDC dc, UINT ctlColorMessage) {
    return AskForColours(control, GetParent(control), dc, ctlColorMessage);
}

HBRUSH FillWithParentColours(HWND control, HDC dc, const RECT& rect, UINT ctlColorMessage) {
    HBRUSH background = AskParentForColours(control, dc, ctlColorMessage);
    FillRect(dc, &rect, background);
    return background;
}

namespace {

UINT EdgeKind(HWND hwnd, int* width) {
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    if ((exStyle & WS_EX_CLIENTEDGE) || (style & WS_BORDER)) {
        *width = 2;
        return EDGE_SUNKEN;
    }
    if (exStyle & WS_EX_STATICEDGE) {
        *width = 1;
        return BDR_SUNKENOUTER;
    }
    *width = 0;
    return 0;
}

// The window manager may already have taken the border into a non-client area; then the client
// rectangle is smaller than the window rectangle and there is nothing left for us to draw.
bool WindowManagerDrawsBorder(HWND hwnd) {
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return (window.right - window.left) != (client.right - client.left) ||
           (window.bottom - window.top) != (client.bottom - client.top);
}

} // namespace

int OwnBorderWidth(HWND hwnd) {
    int width = 0;
    EdgeKind(hwnd, &width);
    if (width == 0 || WindowManagerDrawsBorder(hwnd)) {
        return 0;
    }
    return width;
}

RECT DrawOwnBorder(HWND hwnd, HDC dc, RECT client) {
    int width = 0;
    UINT edge = EdgeKind(hwnd, &width);
    if (width == 0 || WindowManagerDrawsBorder(hwnd)) {
        return client;
    }
    RECT frame = client;
    DrawEdge(dc, &frame, edge, BF_RECT);
    InflateRect(&client, -width, -width);
    return client;
}

RECT InsideOwnBorder(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    int width = OwnBorderWidth(hwnd);
    InflateRect(&client, -width, -width);
    return client;
}

} // namespace controls
