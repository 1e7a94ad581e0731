// Kernel bits that everything else leans on: the thread's last error, MulDiv, ticks, thread ids and
// the ordinal string comparison.
//
// Does NOT: format messages (FormatMessage), or give a debugger anything: OutputDebugStringW drops the
// text, since normal paths must stay silent on stdout/stderr.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cwchar>
#include <cwctype>
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

// Code unit by code unit; ignoring case compares the upper-case forms, as Windows does, not the
// locale's collation. A length of -1 means "up to the terminating zero".
int WINAPI CompareStringOrdinal(LPCWSTR first, int firstLength, LPCWSTR second, int secondLength,
                                BOOL ignoreCase) {
    if (!first || !second || firstLength < -1 || secondLength < -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t a = firstLength < 0 ? std::wcslen(first) : size_t(firstLength);
    size_t b = secondLength < 0 ? std::wcslen(second) : size_t(secondLength);
    for (size_t i = 0; i < a && i < b; ++i) {
        wint_t x = wint_t(first[i]), y = wint_t(second[i]);
        if (ignoreCase) {
            x = std::towupper(x);
            y = std::towupper(y);
        }
        if (x != y)
            return x < y ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return a == b ? CSTR_EQUAL : (a < b ? CSTR_LESS_THAN : CSTR_GREATER_THAN);
}
}
