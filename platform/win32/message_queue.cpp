// The thread's message queue: SendMessageW calls the window procedure at once, PostMessageW queues,
// GetMessageW/PeekMessageW take posted messages first, then WM_QUIT, then WM_PAINT for windows that
// need it, then due WM_TIMERs, as Windows orders them. A message posted to a window that is destroyed
// before it is taken is dropped. A person's input (PostInputMessage) waits in the same queue, marked:
// only it moves the key state when taken, and it goes nowhere when its window cannot take input.
//
// Does NOT: deliver between threads (posting from another thread fails with ERROR_ACCESS_DENIED),
// keep a separate hardware input queue, or support WH_GETMESSAGE, MsgWaitForMultipleObjects or PM_QS_*
// filters.
#include "win32/input_messages.h"
#include "win32/internal.h"
#include "core/ui_thread.h"

#include <standin/hooks.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

namespace standin {
namespace {

using Clock = std::chrono::steady_clock;

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    std::chrono::milliseconds elapse{0};
    void* proc = nullptr;
    Clock::time_point due;
};

struct Queued {
    MSG msg;
    bool personsInput = false;
};

struct QueueState {
    std::deque<Queued> posted;
    bool quit = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    UINT_PTR nextThreadTimerId = 1;
    std::function<void(DWORD)> idleHook;
};

// The message the loop retrieved last: GetMessagePos and GetMessageTime tell its position and time,
// also while a message sent meanwhile is handled, as on Windows.
MSG g_lastRetrieved{};

QueueState& Q() {
    static QueueState state;
    return state;
}

bool InRange(UINT message, UINT first, UINT last) {
    if (first == 0 && last == 0)
        return true;
    return message >= first && message <= last;
}

bool WindowPasses(HWND msgHwnd, HWND filter) {
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return msgHwnd == nullptr;
    return msgHwnd == filter || IsDescendant(filter, msgHwnd);
}

bool TakePosted(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
    auto& posted = Q().posted;
    for (auto it = posted.begin(); it != posted.end();) {
        const MSG& msg = it->msg;
        if (msg.hwnd && !LookupWindow(msg.hwnd)) {
            it = posted.erase(it); // its window was destroyed since it was posted
            continue;
        }
        if (!WindowPasses(msg.hwnd, filter) || !InRange(msg.message, first, last)) {
            ++it;
            continue;
        }
        const bool unreachable = it->personsInput && (!msg.hwnd || !IsInputEnabled(msg.hwnd));
        if (unreachable && !remove) {
            ++it;
            continue;
        }
        if (it->personsInput && remove)
            NoteRetrievedInput(msg);
        if (unreachable) {
            it = posted.erase(it); // the keys still moved; no window hears them
            continue;
        }
        *out = msg;
        if (remove)
            posted.erase(it);
        return true;
    }
    return false;
}

BOOL Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool personsInput) {
    if (!OnUiThread()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (hwnd && !LookupWindowOrFail(hwnd))
        return FALSE;
    MSG posted{hwnd, msg, wParam, lParam, GetTickCount(), {}};
    GetCursorPos(&posted.pt);
    Q().posted.push_back(Queued{posted, personsInput});
    return TRUE;
}

bool TakeTimer(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
    if (!InRange(WM_TIMER, first, last))
        return false;
    auto now = Clock::now();
    for (Timer& timer : Q().timers) {
        if (timer.due > now || !WindowPasses(timer.hwnd, filter))
            continue;
        *out = MSG{timer.hwnd, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.proc), GetTickCount(), {}};
        GetCursorPos(&out->pt);
        if (remove)
            timer.due = now + timer.elapse;
        return true;
    }
    return false;
}

bool TakeMessage(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
    if (TakePosted(out, filter, first, last, remove))
        return true;
    if (Q().quit) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(Q().quitCode), 0, GetTickCount(), {}};
        if (remove)
            Q().quit = false;
        return true;
    }
    if (filter != reinterpret_cast<HWND>(-1) && InRange(WM_PAINT, first, last)) {
        PaintPendingFrames();
        if (HWND hwnd = NextWindowToPaint(filter)) {
            *out = MSG{hwnd, WM_PAINT, 0, 0, GetTickCount(), {}};
            GetCursorPos(&out->pt);
            return true;
        }
    }
    return TakeTimer(out, filter, first, last, remove);
}

// Until the next timer is due, rounded up so that the wait never ends before it; INFINITE without one.
DWORD UntilNextTimer() {
    if (Q().timers.empty())
        return INFINITE;
    const auto now = Clock::now();
    auto soonest = Q().timers.front().due;
    for (const Timer& timer : Q().timers)
        soonest = std::min(soonest, timer.due);
    if (soonest <= now)
        return 0;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(soonest - now).count();
    return static_cast<DWORD>(std::min<long long>(wait, INFINITE - 1));
}

// Waits for something to arrive: the idle hook (a live display) waits for the person's input until the
// next timer is due; without one, a short sleep, so that timers are taken when due.
void WaitForInput() {
    const DWORD untilTimer = UntilNextTimer();
    if (Q().idleHook) {
        auto hook = Q().idleHook; // the hook may replace itself
        hook(untilTimer);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<DWORD>(untilTimer, 10)));
}

} // namespace

void KillWindowTimers(HWND hwnd) {
    auto& timers = Q().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

bool HasIdleHook() {
    return static_cast<bool>(Q().idleHook);
}

bool NextMessageForNestedLoop(MSG* msg, bool waitForTimers) {
    for (;;) {
        if (TakeMessage(msg, nullptr, 0, 0, true)) {
            g_lastRetrieved = *msg;
            return true;
        }
        bool timersCanCome = waitForTimers && !Q().timers.empty();
        if (!Q().idleHook && !timersCanCome)
            return false;
        WaitForInput();
    }
}

DWORD MillisecondsToNextTimer() {
    return UntilNextTimer();
}

BOOL PostInputMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Post(hwnd, message, wParam, lParam, true);
}

void SetIdleHook(std::function<void(DWORD)> hook) {
    Q().idleHook = std::move(hook);
}

} // namespace standin

using namespace standin;

extern "C" {

LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return 0;
    WNDPROC proc = window->m_proc;
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc)
        return 0;
    return proc(hwnd, msg, wParam, lParam);
}

BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Post(hwnd, msg, wParam, lParam, false);
}

void WINAPI PostQuitMessage(int exitCode) {
    if (!OnUiThread())
        return;
    Q().quit = true;
    Q().quitCode = exitCode;
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    if (!msg || !OnUiThread())
        return FALSE;
    if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !LookupWindowOrFail(hwnd))
        return FALSE;
    if (!TakeMessage(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0))
        return FALSE;
    if (remove & PM_REMOVE)
        g_lastRetrieved = *msg;
    return TRUE;
}

// Waits as Windows does when nothing is queued: until a timer is due or the idle hook (a live
// display) brings input. With neither, nothing can ever arrive and the wait does not end.
BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg || !OnUiThread()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && !LookupWindowOrFail(hwnd))
        return -1;
    while (!TakeMessage(msg, hwnd, filterMin, filterMax, true))
        WaitForInput();
    g_lastRetrieved = *msg;
    return msg->message != WM_QUIT;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    UINT vk = static_cast<UINT>(msg->wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    wchar_t ch = 0;
    if (vk >= 'A' && vk <= 'Z')
        ch = control ? static_cast<wchar_t>(vk - 'A' + 1) : static_cast<wchar_t>(shift ? vk : vk + 32);
    else if (vk >= '0' && vk <= '9' && !control)
        ch = static_cast<wchar_t>(vk);
    else if (vk == VK_SPACE || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB || vk == VK_BACK)
        ch = static_cast<wchar_t>(vk);
    if (ch) {
        UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        // The character comes next, before anything posted after the key.
        Q().posted.push_front(
            Queued{MSG{msg->hwnd, charMessage, static_cast<WPARAM>(ch), msg->lParam, msg->time, msg->pt}});
    }
    return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a timer that still exists runs its callback: the value in lParam is not trusted.
        for (const auto& timer : Q().timers) {
            if (timer.hwnd == msg->hwnd && timer.id == msg->wParam &&
                reinterpret_cast<LPARAM>(timer.proc) == msg->lParam) {
                auto proc = reinterpret_cast<void (*)(HWND, UINT, UINT_PTR, DWORD)>(timer.proc);
                proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
                return 0;
            }
        }
        return 0;
    }
    Window* window = LookupWindowOrFail(msg->hwnd);
    if (!window)
        return 0;
    WNDPROC proc = window->m_proc;
    if (!proc)
        return 0;
    const LRESULT result = proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    // A procedure that ignores WM_PAINT would get it forever; as its area was dispatched, it counts as
    // painted, so a loop that drains the queue ends.
    if (msg->message == WM_PAINT)
        if (Window* painted = LookupWindow(msg->hwnd))
            painted->m_dirty = painted->m_erase = painted->m_frameDirty = false;
    return result;
}

DWORD WINAPI GetMessagePos(void) {
    const MSG& msg = g_lastRetrieved;
    return static_cast<DWORD>(MAKELONG(msg.pt.x, msg.pt.y));
}

LONG WINAPI GetMessageTime(void) {
    return static_cast<LONG>(g_lastRetrieved.time);
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* proc) {
    if (!OnUiThread() || (hwnd && !LookupWindowOrFail(hwnd)))
        return 0;
    if (!hwnd)
        id = Q().nextThreadTimerId++;
    elapse = std::max<UINT>(elapse, 10); // USER_TIMER_MINIMUM
    auto& timers = Q().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end())
        it = timers.insert(timers.end(), Timer{});
    it->hwnd = hwnd;
    it->id = id;
    it->elapse = std::chrono::milliseconds(elapse);
    it->proc = proc;
    it->due = Clock::now() + it->elapse;
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
    if (!OnUiThread())
        return FALSE;
    auto& timers = Q().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timers.erase(it);
    // A WM_TIMER already queued for it goes too (timers are never queued here, so nothing to remove).
    return TRUE;
}
}
