// The clipboard on Windows is the system's. ClipboardText reads it; SetClipboardOpenFails(true) has
// another thread's window open it and keep it open, which is how opening comes to fail for a
// program when another one holds the clipboard; the observer and the SetClipboardData fault sit at
// the program's own SetClipboardData calls (imports.h). GlobalAlloc and GlobalLock faults too.
#include "core/records.h"
#include "imports.h"

#include <standin/hooks.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace standin {
namespace {

std::wstring ReadOpenClipboardText() {
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    return text;
}

// The other holder: a thread with a message-only window that opens the clipboard when asked and
// reads it for us while it holds it.
class Holder {
public:
    enum : UINT { kHold = WM_APP + 1, kRelease, kRead };

    ~Holder() {
        if (m_thread.joinable()) {
            PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
            m_thread.detach(); // the process is ending; its threads end with it
        }
    }

    void hold(bool held) {
        start();
        SendMessageW(m_window, held ? kHold : kRelease, 0, 0);
        m_held = held;
    }
    bool held() const { return m_held; }
    std::wstring read() {
        std::wstring text;
        SendMessageW(m_window, kRead, 0, reinterpret_cast<LPARAM>(&text));
        return text;
    }

private:
    void start() {
        if (m_thread.joinable())
            return;
        std::unique_lock<std::mutex> lock(m_lock);
        m_thread = std::thread([this] { run(); });
        m_ready.wait(lock, [this] { return m_window != nullptr; });
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
        case kHold:
            return OpenClipboard(hwnd);
        case kRelease:
            return CloseClipboard();
        case kRead:
            *reinterpret_cast<std::wstring*>(lParam) = ReadOpenClipboardText();
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
    }
    void run() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = L"StandinClipboardHolder";
        RegisterClassW(&wc);
        HWND window =
            CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_threadId = GetCurrentThreadId();
            m_window = window;
        }
        m_ready.notify_one();
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
    }

    std::mutex m_lock;
    std::condition_variable m_ready;
    std::thread m_thread;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
    bool m_held = false;
};

Holder& TheHolder() {
    static Holder holder;
    return holder;
}

decltype(&SetClipboardData) g_setClipboardData;
decltype(&GlobalAlloc) g_globalAlloc;
decltype(&GlobalLock) g_globalLock;

HANDLE WINAPI HookSetClipboardData(UINT format, HANDLE data) {
    if (ConsumeFault(Fault::SetClipboardData))
        return nullptr; // the memory stays the caller's
    HANDLE set = g_setClipboardData(format, data);
    if (set && format == CF_UNICODETEXT)
        NotifyClipboard(ReadOpenClipboardText());
    return set;
}
HGLOBAL WINAPI HookGlobalAlloc(UINT flags, SIZE_T bytes) {
    return ConsumeFault(Fault::GlobalAlloc) ? nullptr : g_globalAlloc(flags, bytes);
}
LPVOID WINAPI HookGlobalLock(HGLOBAL block) {
    return ConsumeFault(Fault::GlobalLock) ? nullptr : g_globalLock(block);
}

using imports::Make;
const imports::Redirect kRedirects[] = {
    Make(L"user32.dll", "SetClipboardData", &HookSetClipboardData, &g_setClipboardData),
    Make(L"kernel32.dll", "GlobalAlloc", &HookGlobalAlloc, &g_globalAlloc),
    Make(L"kernel32.dll", "GlobalLock", &HookGlobalLock, &g_globalLock),
};
const bool g_registered = (imports::Register(kRedirects, std::size(kRedirects)), true);

} // namespace

void ClipboardSwitched(bool openFails) {
    if (openFails != TheHolder().held())
        TheHolder().hold(openFails);
}

std::wstring ClipboardText() {
    if (TheHolder().held())
        return TheHolder().read();
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        text = ReadOpenClipboardText();
        CloseClipboard();
    }
    return text;
}

} // namespace standin
