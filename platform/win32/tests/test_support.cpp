#include "test_support.h"

#include <map>

namespace win32test {
namespace {

std::map<HWND, std::string>& Names() {
    static std::map<HWND, std::string> names;
    return names;
}

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR*)>& DialogHook() {
    static std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR*)> hook;
    return hook;
}

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text)
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

void Note(HWND hwnd, UINT msg) {
    if (Watched().count(msg))
        Journal().push_back(Names()[hwnd] + ":" + MessageName(msg));
}

LRESULT CALLBACK JournalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        Names()[hwnd] = Narrow(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpszName);
    Note(hwnd, msg);
    LRESULT answer = 0;
    if (Hook() && Hook()(hwnd, msg, wParam, lParam, &answer))
        return answer;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

const wchar_t kJournalClass[] = L"JournalWindow";

std::vector<std::string>& Journal() {
    static std::vector<std::string> journal;
    return journal;
}

std::set<UINT>& Watched() {
    static std::set<UINT> watched;
    return watched;
}

std::string MessageName(UINT msg) {
    static const std::map<UINT, std::string> names = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_SETFONT, "WM_SETFONT"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_CHAR, "WM_CHAR"},
        {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
        {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
        {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_USER, "WM_USER"},
    };
    auto it = names.find(msg);
    return it != names.end() ? it->second : "0x" + std::to_string(msg);
}

void SetMessageHook(MessageHook hook) {
    Hook() = std::move(hook);
}

void RegisterJournalClass() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = JournalProc;
    wc.lpszClassName = kJournalClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.cbWndExtra = sizeof(LONG_PTR);
    registered = RegisterClassW(&wc) != 0;
}

HWND MakeWindow(const wchar_t* name, DWORD style, int x, int y, int w, int h, HWND parent, int id,
                DWORD exStyle) {
    RegisterJournalClass();
    return CreateWindowExW(exStyle, kJournalClass, name, style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

INT_PTR CALLBACK JournalDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Watched().count(msg))
        Journal().push_back("dlg:" + MessageName(msg));
    INT_PTR answer = 0;
    if (DialogHook() && DialogHook()(dialog, msg, wParam, lParam, &answer))
        return answer;
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

void SetDialogHook(std::function<bool(HWND, UINT, WPARAM, LPARAM, INT_PTR*)> hook) {
    DialogHook() = std::move(hook);
}

void Pump(HWND dialog) {
    MSG msg;
    for (int guard = 0; guard < 10000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (dialog && IsWindow(dialog) && IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void HoldKey(UINT vk, bool down) {
    BYTE keys[256] = {};
    ASSERT_TRUE(GetKeyboardState(keys));
    keys[vk & 0xFF] = down ? 0x80 : 0;
    ASSERT_TRUE(SetKeyboardState(keys));
}

void StandinTest::SetUp() {
    RegisterJournalClass(); // templates name the class before any MakeWindow
    standin::ResetRecords();
    Journal().clear();
    Watched().clear();
    SetMessageHook(nullptr);
    SetDialogHook(nullptr);
    m_start = standin::CountLiveObjects();
}

// Every test leaves the window manager as it found it: no window, DC, font, brush, pen, menu or icon of
// its own may survive it.
void StandinTest::TearDown() {
    SetMessageHook(nullptr);
    SetDialogHook(nullptr);
    Pump();
    standin::LiveObjects end = standin::CountLiveObjects();
    EXPECT_EQ(end.windows, m_start.windows) << "windows left behind";
    EXPECT_EQ(end.dcs, m_start.dcs) << "device contexts not released";
    EXPECT_EQ(end.fonts, m_start.fonts) << "fonts not deleted";
    EXPECT_EQ(end.brushes, m_start.brushes) << "brushes not deleted";
    EXPECT_EQ(end.pens, m_start.pens) << "pens not deleted";
    EXPECT_EQ(end.menus, m_start.menus) << "menus not destroyed";
    EXPECT_EQ(end.icons, m_start.icons) << "icons not destroyed";
    standin::ResetRecords();
}

} // namespace win32test
