// Kernel bits that everything else leans on: the thread's last error, MulDiv, ticks and thread ids.
//
// Does NOT: format messages (FormatMessage), or give a debugger anything: OutputDebugStringW drops the
// text, since normal paths must stay silent on stdout/stderr.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <unistd.h>
#include <sys/syscall.h>

namespace {
thread_local DWORD t_lastError = 0;
const auto g_start = std::chrono::steady_clock::now();
} // namespace

extern "C" {

DWORD WINAPI GetLastError(void) {
    return t_lastError;
}
void WINAPI SetLastError(DWORD error) {
    t_lastError = error;
}

// number * numerator / denominator with a 64-bit intermediate, rounded half away from zero; -1 when the
// denominator is 0 or the result does not fit in an int, as on Windows.
int WINAPI MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long magnitude = std::llabs(product);
    long long divisor = std::llabs(static_cast<long long>(denominator));
    long long quotient = (magnitude + divisor / 2) / divisor;
    bool negative = (product < 0) != (denominator < 0);
    long long result = negative ? -quotient : quotient;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<int>(result);
}

DWORD WINAPI GetTickCount(void) {
    auto elapsed = std::chrono::steady_clock::now() - g_start;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

DWORD WINAPI GetCurrentThreadId(void) {
    return static_cast<DWORD>(syscall(SYS_gettid));
}

void WINAPI OutputDebugStringW(LPCWSTR) {}
}
