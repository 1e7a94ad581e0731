// The process-wide invalid-parameter handler of the checked CRT functions.
// What this does NOT do: no thread-local handlers (_set_thread_local_invalid_parameter_handler), no
// debug-report dialog, no Windows Error Reporting: without a handler the process aborts.
#include "invalid_parameter.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<_invalid_parameter_handler> g_handler{nullptr};

} // namespace

namespace crt {

void reportInvalidParameter(const wchar_t* expression, const wchar_t* function, unsigned line) {
    if (const _invalid_parameter_handler handler = g_handler.load()) {
        handler(expression, function, L"" __FILE__, line, 0);
        return;
    }
    std::fprintf(stderr, "invalid parameter in %ls: %ls; no handler installed, ending the process\n",
                 function, expression);
    std::fflush(stderr);
    std::abort();
}

} // namespace crt

extern "C" {

_invalid_parameter_handler _set_invalid_parameter_handler(_invalid_parameter_handler handler) {
    return g_handler.exchange(handler);
}

_invalid_parameter_handler _get_invalid_parameter_handler(void) {
    return g_handler.load();
}

} // extern "C"
