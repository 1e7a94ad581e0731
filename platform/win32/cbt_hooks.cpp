// WH_CBT hooks for window creation and destruction, which is what a framework needs to tie its window
// objects to a window before the window's first message.
//
// Does NOT: support other hook types (SetWindowsHookExW fails with ERROR_INVALID_PARAMETER), hooks of
// other threads, or CBT codes other than HCBT_CREATEWND and HCBT_DESTROYWND.
#include "core/handle_table.h"
#include "win32/internal.h"
#include "core/ui_thread.h"

#include <algorithm>

namespace standin {
namespace {

struct Hook {
    HOOKPROC proc = nullptr;
};

HandleTable<Hook, HandleKind::Hook>& Hooks() {
    static HandleTable<Hook, HandleKind::Hook> table;
    return table;
}

std::vector<HHOOK>& Chain() { // most recently installed first, as Windows calls them
    static std::vector<HHOOK> chain;
    return chain;
}

LRESULT CallFrom(size_t index, int code, WPARAM wParam, LPARAM lParam) {
    for (; index < Chain().size(); ++index)
        if (Hook* hook = Hooks().Find(Chain()[index]))
            return hook->proc(code, wParam, lParam);
    return 0;
}

} // namespace

LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    if (Chain().empty())
        return 0;
    return CallFrom(0, code, wParam, lParam);
}

} // namespace standin

using namespace standin;

extern "C" {

HHOOK WINAPI SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
    if (idHook != WH_CBT || !proc || !OnUiThread() || (threadId != 0 && threadId != GetCurrentThreadId())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto hook = std::make_unique<Hook>();
    hook->proc = proc;
    auto handle = reinterpret_cast<HHOOK>(Hooks().Insert(std::move(hook)));
    if (handle)
        Chain().insert(Chain().begin(), handle);
    return handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    if (!OnUiThread() || !Hooks().Erase(hook)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto& chain = Chain();
    chain.erase(std::remove(chain.begin(), chain.end(), hook), chain.end());
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto& chain = Chain();
    auto it = std::find(chain.begin(), chain.end(), hook);
    if (it == chain.end())
        return 0;
    return CallFrom(static_cast<size_t>(it - chain.begin()) + 1, code, wParam, lParam);
}
}
