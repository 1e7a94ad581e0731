#include "host/HelpNotice.h"

namespace host {

namespace {

constexpr const wchar_t* kClassName = L"MeasureHostHelpNotice";
constexpr int kWidth = 300;
constexpr int kHeight = 120;
constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterNoticeClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = NoticeProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    return registered;
}

HWND MakeChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, RECT place,
               int id) {
    HWND child = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (child) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    return child;
}

} // namespace

HelpNotice::~HelpNotice() {
    if (HWND shown = window()) {
        DestroyWindow(shown);
    }
}

void HelpNotice::show(const std::wstring& topic, HWND over) {
    if (HWND shown = window()) {
        DestroyWindow(shown);
    }
    m_window = nullptr;
    over = over ? over : GetActiveWindow();
    if (!RegisterNoticeClass()) {
        return;
    }
    RECT place{0, 0, kWidth, kHeight};
    if (over) {
        RECT owner{};
        GetWindowRect(over, &owner);
        OffsetRect(&place, (owner.left + owner.right - kWidth) / 2, (owner.top + owner.bottom - kHeight) / 2);
    }
    m_window = CreateWindowExW(0, kClassName, kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, place.left,
                               place.top, kWidth, kHeight, over, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_window) {
        return;
    }
    RECT client{};
    GetClientRect(m_window, &client);
    const std::wstring text = L"このホストにはヘルプがありません。\n求められたトピック: " + topic;
    MakeChild(m_window, L"Static", text, SS_LEFT,
              RECT{kMargin, kMargin, client.right - kMargin, client.bottom - kButtonHeight - 2 * kMargin},
              -1);
    HWND button =
        MakeChild(m_window, L"Button", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                  RECT{client.right - kMargin - kButtonWidth, client.bottom - kMargin - kButtonHeight,
                       client.right - kMargin, client.bottom - kMargin},
                  IDOK);
    ShowWindow(m_window, SW_SHOW);
    SetFocus(button);
}

} // namespace host
