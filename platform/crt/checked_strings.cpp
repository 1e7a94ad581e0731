// wcscpy_s, wcsncpy_s and wcscat_s: copies that never overrun the destination.
// What this does NOT do: no narrow (strcpy_s) or multibyte twins, no template overloads that take
// the array size from the type, no debug fill of the unused tail of the destination.
#include "invalid_parameter.h"

#include <cerrno>

namespace {

// Each failure empties a usable destination, tells the handler, sets errno and returns the code, in
// that order, so that a caller which ignores the result still holds a terminated string.
errno_t fail(wchar_t* dest, size_t destSize, errno_t code, const wchar_t* expression, const wchar_t* function,
             unsigned line) {
    if (dest != nullptr && destSize != 0)
        dest[0] = L'\0';
    crt::reportInvalidParameter(expression, function, line);
    errno = code;
    return code;
}

} // namespace

extern "C" {

errno_t wcscpy_s(wchar_t* dest, size_t destSize, const wchar_t* src) {
    if (dest == nullptr || destSize == 0)
        return fail(nullptr, 0, EINVAL, L"dest != NULL && destSize > 0", L"wcscpy_s", __LINE__);
    if (src == nullptr)
        return fail(dest, destSize, EINVAL, L"src != NULL", L"wcscpy_s", __LINE__);
    size_t i = 0;
    for (; i < destSize && src[i] != L'\0'; ++i)
        dest[i] = src[i];
    if (i == destSize)
        return fail(dest, destSize, ERANGE, L"destination buffer too small", L"wcscpy_s", __LINE__);
    dest[i] = L'\0';
    return 0;
}

errno_t wcsncpy_s(wchar_t* dest, size_t destSize, const wchar_t* src, size_t count) {
    if (count == 0 && dest == nullptr && destSize == 0)
        return 0;
    if (dest == nullptr || destSize == 0)
        return fail(nullptr, 0, EINVAL, L"dest != NULL && destSize > 0", L"wcsncpy_s", __LINE__);
    if (count == 0) {
        dest[0] = L'\0';
        return 0;
    }
    if (src == nullptr)
        return fail(dest, destSize, EINVAL, L"src != NULL", L"wcsncpy_s", __LINE__);
    size_t i = 0;
    for (; i < destSize && i < count && src[i] != L'\0'; ++i)
        dest[i] = src[i];
    if (i < destSize) {
        dest[i] = L'\0';
        return 0;
    }
    // The whole buffer is used and the copy is not over: _TRUNCATE keeps what fits.
    if (count == _TRUNCATE) {
        dest[destSize - 1] = L'\0';
        return STRUNCATE;
    }
    return fail(dest, destSize, ERANGE, L"destination buffer too small", L"wcsncpy_s", __LINE__);
}

errno_t wcscat_s(wchar_t* dest, size_t destSize, const wchar_t* src) {
    if (dest == nullptr || destSize == 0)
        return fail(nullptr, 0, EINVAL, L"dest != NULL && destSize > 0", L"wcscat_s", __LINE__);
    if (src == nullptr)
        return fail(dest, destSize, EINVAL, L"src != NULL", L"wcscat_s", __LINE__);
    size_t end = 0;
    while (end < destSize && dest[end] != L'\0')
        ++end;
    if (end == destSize)
        return fail(dest, destSize, EINVAL, L"destination not terminated", L"wcscat_s", __LINE__);
    size_t i = 0;
    for (; end + i < destSize && src[i] != L'\0'; ++i)
        dest[end + i] = src[i];
    if (end + i == destSize)
        return fail(dest, destSize, ERANGE, L"destination buffer too small", L"wcscat_s", __LINE__);
    dest[end + i] = L'\0';
    return 0;
}

} // extern "C"
