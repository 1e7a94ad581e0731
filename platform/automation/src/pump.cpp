// The message loop of the simulated user, and the answers for modal loops and pixels it passes on
// to the window manager's test hooks.
#include "automation.h"

#include <standin/hooks.h>

#include <cwchar>
#include <utility>

namespace automation {

namespace {

// A loop that keeps finding messages after this many has met a window that posts to itself
// without end; it stops rather than hang the test.
constexpr int kMostMessagesPerPump = 100000;

std::function<bool(MSG*)>& PreTranslateHook() {
    static std::function<bool(MSG*)> hook;
    return hook;
}

bool IsDialogWindow(HWND hwnd) {
    wchar_t name[16] = {};
    return hwnd && GetClassNameW(hwnd, name, 16) > 0 && std::wcscmp(name, L"#32770") == 0;
}

void Deliver(MSG& msg) {
    if (PreTranslateHook()) {
        if (PreTranslateHook()(&msg)) {
            return;
        }
    } else if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (IsDialogWindow(root) && IsDialogMessageW(root, &msg)) {
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// Takes the next message, leaving WM_PAINT out: the loop runs what was posted (and timers that are
// due), while pictures are made when they are looked at (standin::RenderWindowSurface), so what a
// test records does not depend on when windows happen to repaint.
bool NextMessage(MSG* msg) {
    return PeekMessageW(msg, nullptr, 0, WM_PAINT - 1, PM_REMOVE) ||
           PeekMessageW(msg, nullptr, WM_PAINT + 1, 0xFFFFFFFFu, PM_REMOVE);
}

} // namespace

void SetPreTranslateHook(std::function<bool(MSG*)> hook) {
    PreTranslateHook() = std::move(hook);
}

void Pump() {
    MSG msg{};
    for (int count = 0; count < kMostMessagesPerPump && NextMessage(&msg); ++count) {
        if (msg.message == WM_QUIT) {
            // The quit belongs to the program's own loop: leave it for that loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Deliver(msg);
    }
}

void Focus(HWND control) {
    SetFocus(control);
    Pump();
}

void AnswerNextMessageBox(int answer) {
    standin::QueueMessageBoxAnswer(answer);
}

void PickNextMenuCommand(UINT command) {
    standin::QueueMenuChoice(command);
}

void DismissNextMenu() {
    standin::QueueMenuChoice(0);
}

COLORREF ReadPixel(HWND window, int x, int y) {
    return standin::ReadPixel(window, x, y);
}

} // namespace automation
