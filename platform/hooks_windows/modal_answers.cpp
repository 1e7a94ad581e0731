// Message boxes and popup menus on Windows: the real box or menu comes up, and the library answers it
// from inside its modal loop, as a person would. MessageBoxW and TrackPopupMenu(Ex) of the program's
// modules are recorded on the way (imports.h); a message filter hook (WH_MSGFILTER, called with
// MSGF_DIALOGBOX and MSGF_MENU for the messages of those loops, and WM_ENTERIDLE when a menu's loop
// waits) sees the loop start and answers: the
// queued answer, else the provider's, else what the stand-in gives headless (the box's default
// button; the menu dismissed). A box is answered by posting its button's BN_CLICKED; a menu by the
// keys a person presses in it (Down to the entry, Enter; Esc to dismiss), posted to the menu window.
#include "core/records.h"
#include "imports.h"

#include <standin/hooks.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <optional>
#include <vector>

namespace standin {
namespace {

struct PendingBox {
    MessageBoxRecord record;
    bool answered = false;
};

struct PendingMenu {
    MenuRecord record;
    HMENU menu = nullptr;
    bool answered = false;
    UINT pressed = 0;
};

// Boxes and menus being shown, innermost last (a handler inside one loop may open another).
std::vector<PendingBox*> g_boxes;
std::vector<PendingMenu*> g_menus;
HHOOK g_filter = nullptr;
HHOOK g_sent = nullptr;

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t actual[32] = {};
    GetClassNameW(hwnd, actual, static_cast<int>(std::size(actual)));
    return std::wcscmp(actual, name) == 0;
}

void AnswerBox(PendingBox& pending, HWND box) {
    pending.answered = true;
    wchar_t caption[256] = {};
    GetWindowTextW(box, caption, static_cast<int>(std::size(caption)));
    pending.record.caption = caption;
    const std::vector<int> buttons = MessageBoxButtons(pending.record.flags);
    std::optional<int> answer = TakeQueuedMessageBoxAnswer();
    if (!answer)
        if (InteractiveModal* provider = InteractiveProvider())
            answer = provider->messageBox(pending.record.owner, pending.record.text, pending.record.caption,
                                          pending.record.flags);
    int button = 0;
    if (answer && std::find(buttons.begin(), buttons.end(), *answer) != buttons.end()) {
        button = *answer;
    } else {
        button = MessageBoxDefaultButton(pending.record.flags);
        pending.record.defaulted = true;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

std::vector<MenuEntry> EntriesOf(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = static_cast<UINT>(std::size(text));
        GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
        MenuEntry entry;
        entry.command = info.hSubMenu ? 0 : info.wID;
        entry.text = text;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.grayed = (info.fState & MFS_DISABLED) != 0 || info.hSubMenu;
        entries.push_back(std::move(entry));
    }
    return entries;
}

HWND VisibleMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) {
            if (IsClass(hwnd, L"#32768") && IsWindowVisible(hwnd)) {
                *reinterpret_cast<HWND*>(out) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void PressMenuKey(HWND menuWindow, UINT vk) {
    PostMessageW(menuWindow, WM_KEYDOWN, vk, 1);
    PostMessageW(menuWindow, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

void AnswerMenu(PendingMenu& pending, HWND menuWindow) {
    pending.answered = true;
    pending.record.entries = EntriesOf(pending.menu); // as the owner's WM_INITMENUPOPUP left them
    UINT choice = 0;
    if (std::optional<UINT> queued = TakeQueuedMenuChoice())
        choice = *queued;
    else if (InteractiveModal* provider = InteractiveProvider())
        choice = provider->popupMenu(pending.record.owner, pending.record.at, pending.record.entries);
    // Down from no selection reaches the first entry; separators are skipped, grayed entries are not.
    int steps = 0;
    bool found = false;
    for (const MenuEntry& entry : pending.record.entries) {
        if (entry.separator)
            continue;
        ++steps;
        if (choice && entry.command == choice && !entry.grayed) {
            found = true;
            break;
        }
    }
    if (!found) {
        PressMenuKey(menuWindow, VK_ESCAPE);
        return;
    }
    for (int i = 0; i < steps; ++i)
        PressMenuKey(menuWindow, VK_DOWN);
    PressMenuKey(menuWindow, VK_RETURN);
    pending.pressed = choice;
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && !g_boxes.empty() && !g_boxes.back()->answered && msg) {
        HWND box = GetAncestor(msg->hwnd, GA_ROOT);
        if (box && IsClass(box, L"#32770"))
            AnswerBox(*g_boxes.back(), box);
    } else if (code == MSGF_MENU && !g_menus.empty() && !g_menus.back()->answered) {
        AnswerMenu(*g_menus.back(), VisibleMenuWindow());
    }
    return CallNextHookEx(g_filter, code, wParam, lParam);
}

// A menu shown again may have nothing to paint: its loop then goes idle at once and tells the owner
// so (WM_ENTERIDLE, with the menu window), without a message passing the filter first.
LRESULT CALLBACK SentMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU &&
        !g_menus.empty() && !g_menus.back()->answered) {
        HWND menuWindow = reinterpret_cast<HWND>(sent->lParam);
        AnswerMenu(*g_menus.back(), menuWindow ? menuWindow : VisibleMenuWindow());
    }
    return CallNextHookEx(g_sent, code, wParam, lParam);
}

// The hooks are up only while a box or menu is: with a WH_CALLWNDPROC hook in place every message
// the thread sends goes through the system's user-mode callback, which ignores an exception out of a
// window procedure instead of passing it to the sender (on 64-bit Windows the system may suppress an
// exception uncaught in a window procedure: "WNDPROC callback function", winuser.h), so a hook
// left behind would change how a control's failure reaches the program after its first menu.
void EnsureFilter() {
    if (!g_filter)
        g_filter = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
    if (!g_sent)
        g_sent = SetWindowsHookExW(WH_CALLWNDPROC, SentMessages, nullptr, GetCurrentThreadId());
}

void RemoveFilterWhenNothingShows() {
    if (!g_boxes.empty() || !g_menus.empty())
        return;
    for (HHOOK* hook : {&g_filter, &g_sent}) {
        if (*hook)
            UnhookWindowsHookEx(*hook);
        *hook = nullptr;
    }
}

template <typename T> class Showing {
public:
    Showing(std::vector<T*>& stack, T& pending) : m_stack(stack) {
        EnsureFilter();
        m_stack.push_back(&pending);
    }
    ~Showing() {
        m_stack.pop_back();
        RemoveFilterWhenNothingShows();
    }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;

private:
    std::vector<T*>& m_stack;
};

decltype(&MessageBoxW) g_messageBoxW;
decltype(&TrackPopupMenu) g_trackPopupMenu;
decltype(&TrackPopupMenuEx) g_trackPopupMenuEx;

int WINAPI HookMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    PendingBox pending;
    pending.record.owner = owner;
    pending.record.text = text ? text : L"";
    pending.record.caption = caption ? caption : L"";
    pending.record.flags = type;
    int answer = 0;
    {
        Showing<PendingBox> showing(g_boxes, pending);
        answer = g_messageBoxW(owner, text, caption, type);
    }
    if (!pending.answered)
        return answer; // no box came up
    pending.record.answer = answer;
    RecordMessageBox(pending.record);
    return answer;
}

// The command a person's pick posted to the owner, if one is waiting in the queue.
UINT PostedCommand(HWND owner, UINT pressed) {
    MSG msg;
    if (pressed && PeekMessageW(&msg, owner, WM_COMMAND, WM_COMMAND, PM_NOREMOVE | PM_NOYIELD) &&
        LOWORD(msg.wParam) == pressed && msg.lParam == 0)
        return pressed;
    return 0;
}

template <typename Track> BOOL TrackMenu(HMENU menu, UINT flags, int x, int y, HWND owner, Track track) {
    PendingMenu pending;
    pending.menu = menu;
    pending.record.owner = owner;
    pending.record.at = POINT{x, y};
    pending.record.flags = flags;
    BOOL result = FALSE;
    {
        Showing<PendingMenu> showing(g_menus, pending);
        result = track();
    }
    if (!pending.answered)
        return result; // no menu came up
    if (flags & TPM_RETURNCMD)
        pending.record.chosen = static_cast<UINT>(result);
    else if (!(flags & TPM_NONOTIFY))
        pending.record.chosen = PostedCommand(owner, pending.pressed);
    else
        pending.record.chosen = pending.pressed;
    RecordMenu(pending.record);
    return result;
}

BOOL WINAPI HookTrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                               const RECT* rect) {
    return TrackMenu(menu, flags, x, y, owner,
                     [&] { return g_trackPopupMenu(menu, flags, x, y, reserved, owner, rect); });
}

BOOL WINAPI HookTrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params) {
    return TrackMenu(menu, flags, x, y, owner,
                     [&] { return g_trackPopupMenuEx(menu, flags, x, y, owner, params); });
}

using imports::Make;
const imports::Redirect kRedirects[] = {
    Make(L"user32.dll", "MessageBoxW", &HookMessageBoxW, &g_messageBoxW),
    Make(L"user32.dll", "TrackPopupMenu", &HookTrackPopupMenu, &g_trackPopupMenu),
    Make(L"user32.dll", "TrackPopupMenuEx", &HookTrackPopupMenuEx, &g_trackPopupMenuEx),
};
const bool g_registered = (imports::Register(kRedirects, std::size(kRedirects)), true);

} // namespace
} // namespace standin
