#include "core/ui_thread.h"

#include <atomic>
#include <thread>

namespace standin {
namespace {

std::atomic<std::thread::id> g_uiThread{};

} // namespace

// Asked on every handle lookup. A thread's answer never changes once the first caller of the
// process has claimed the UI thread, so each thread works it out once and then reads its own copy
// (initial-exec: one load, no call into the dynamic loader).
bool OnUiThread() {
    enum : signed char { kUnknown, kUiThread, kOtherThread };
    static thread_local signed char answer __attribute__((tls_model("initial-exec"))) = kUnknown;
    if (answer != kUnknown)
        return answer == kUiThread;
    const std::thread::id self = std::this_thread::get_id();
    std::thread::id owner{};
    const bool mine = g_uiThread.compare_exchange_strong(owner, self) || owner == self;
    answer = mine ? kUiThread : kOtherThread;
    return mine;
}

} // namespace standin
