#include "LiveSession.h"

#include "../Desktop.h"

#include <display.h>
#include <standin/hooks.h>
#include <dialog_template_bytes.h>

#include <commctrl.h>

#include <cstdlib>

namespace display::live::testing {

namespace {

std::vector<UINT> g_loggedKeys;
std::vector<WPARAM> g_loggedClicks;

LRESULT CALLBACK KeyLogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_KEYDOWN:
        g_loggedKeys.push_back(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        g_loggedClicks.push_back(wParam & (MK_SHIFT | MK_CONTROL));
        SetFocus(hwnd);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// The smallest size is the one the dialog was made with, as the running-total dialog has it.
SIZE g_minimum{};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        RECT rect{};
        GetWindowRect(dialog, &rect);
        g_minimum = SIZE{rect.right - rect.left, rect.bottom - rect.top};
        return TRUE;
    }
    if (msg == WM_GETMINMAXINFO && g_minimum.cx > 0) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{g_minimum.cx, g_minimum.cy};
        return TRUE;
    }
    return FALSE;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const DialogItem kItems[] = {
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 5, 5, 60, 68, kCombo, L"COMBOBOX", L""},
    {kChild | WS_TABSTOP, 0, 5, 25, 60, 20, kKeyLog, L"KeyLog", L""},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 80, 5, 40, 14, kPush, L"BUTTON", L"作図"},
};

const DialogSpec kTemplate = {
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT,
    0,
    0,
    0,
    140,
    60,
    L"累計ダイアログ",
    9,
    FW_NORMAL,
    0,
    SHIFTJIS_CHARSET,
    L"ＭＳ Ｐゴシック",
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    kItems,
    static_cast<WORD>(sizeof(kItems) / sizeof(kItems[0])),
};

} // namespace

void LiveDesktop::SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (const char* named = std::getenv("DISPLAY"); !named || !*named) {
        setenv("DISPLAY", ":dummy", 1); // the display asks whether a desktop is named at all
    }
    InitCommonControls();
    WNDCLASSW keyLog{};
    keyLog.lpfnWndProc = KeyLogProc;
    keyLog.lpszClassName = L"KeyLog";
    RegisterClassW(&keyLog);
    WNDCLASSW host{};
    host.lpfnWndProc = DefWindowProcW;
    host.lpszClassName = L"HostFrame";
    RegisterClassW(&host);
}

void LiveDesktop::SetUp() {
    ASSERT_TRUE(display::StartLive());
    // The host's frame, active and with the keyboard when the dialog first shows.
    m_host = CreateWindowExW(0, L"HostFrame", L"図面", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 400, 300,
                             200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_host, nullptr);
    ShowWindow(m_host, SW_SHOW);
    settle();
    ASSERT_EQ(keyboard(), hostId());
    g_loggedKeys.clear();
    g_loggedClicks.clear();
}

void LiveDesktop::TearDown() {
    if (m_dialog && IsWindow(m_dialog)) {
        DestroyWindow(m_dialog);
    }
    DestroyWindow(m_host);
    settle();
    display::StopLive();
}

void LiveDesktop::settle(int rounds) {
    for (int round = 0; round < rounds; ++round) {
        display::PumpLive(0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_dialog || !IsDialogMessageW(m_dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
}

HWND LiveDesktop::showDialog(int show) {
    static const DialogTemplateBytes bytes(kTemplate);
    g_minimum = SIZE{};
    m_dialog = CreateDialogIndirectParamW(nullptr, bytes.get(), nullptr, DialogProc, 0);
    HWND combo = item(kCombo);
    for (const wchar_t* text : {L"10の位", L"整数", L"小数点以下1位", L"小数点以下2位", L"小数点以下3位",
                                L"小数点以下4位", L"小数点以下5位", L"小数点以下6位"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    ShowWindow(m_dialog, show);
    settle();
    return m_dialog;
}

Uint32 LiveDesktop::mirrorOf(HWND topLevel) {
    return display::LiveWindowId(topLevel);
}

Uint32 LiveDesktop::keyboard() const {
    return desktop::SimulatedKeyboardWindow();
}

void LiveDesktop::clickAt(HWND topLevel, POINT client, Uint16 modifiers) {
    RECT window{};
    GetWindowRect(topLevel, &window);
    ClientToScreen(topLevel, &client);
    const int x = client.x - window.left;
    const int y = client.y - window.top;
    const Uint32 id = mirrorOf(topLevel);
    ASSERT_NE(id, 0u) << "the window has no mirror";
    const SDL_Keymod before = SDL_GetModState();
    SDL_SetModState(static_cast<SDL_Keymod>(modifiers));
    display::PushLiveClick(id, x, y);
    display::PumpLive(0); // the events are taken while the modifiers are held
    SDL_SetModState(before);
    settle();
}

void LiveDesktop::click(HWND control, Uint16 modifiers) {
    RECT rect{};
    GetWindowRect(control, &rect);
    const HWND top = GetAncestor(control, GA_ROOT);
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(top, &middle);
    clickAt(top, middle, modifiers);
}

void LiveDesktop::clickHost() {
    clickAt(m_host, POINT{50, 50});
}

void LiveDesktop::key(Uint32 windowId, SDL_Keycode code) {
    pushKey(windowId, code);
    settle();
}

void LiveDesktop::pushKey(Uint32 windowId, SDL_Keycode code) {
    for (Uint32 type : {Uint32(SDL_KEYDOWN), Uint32(SDL_KEYUP)}) {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = windowId;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = code;
        SDL_PushEvent(&e);
    }
}

void LiveDesktop::pushButton(HWND control, LiveMouse what) {
    RECT rect{};
    GetWindowRect(control, &rect);
    RECT window{};
    GetWindowRect(GetAncestor(control, GA_ROOT), &window);
    display::PushLiveMouse(mirrorOf(GetAncestor(control, GA_ROOT)), what,
                           (rect.left + rect.right) / 2 - window.left,
                           (rect.top + rect.bottom) / 2 - window.top);
}

std::vector<UINT> LiveDesktop::takeLoggedKeys() {
    std::vector<UINT> keys;
    keys.swap(g_loggedKeys);
    return keys;
}

std::vector<WPARAM> LiveDesktop::takeLoggedClicks() {
    std::vector<WPARAM> clicks;
    clicks.swap(g_loggedClicks);
    return clicks;
}

bool LiveDesktop::captionDrawnActive() {
    const standin::WindowPicture picture = standin::TakeWindowPicture(m_dialog);
    // The caption's gradient starts, just inside the sizing border, with the active or the inactive
    // caption colour.
    const int inside = GetSystemMetrics(SM_CXFRAME);
    return picture.at(inside, inside + 1) == GetSysColor(COLOR_ACTIVECAPTION);
}

} // namespace display::live::testing
