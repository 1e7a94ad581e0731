// The Microsoft C runtime's checked-string and invalid-parameter pieces that Linux's C library lacks.
#pragma once

#include "windef.h"
#include <cwchar>

typedef void (*_invalid_parameter_handler)(const wchar_t* expression, const wchar_t* function,
                                           const wchar_t* file, unsigned int line, uintptr_t reserved);

#ifndef EINVAL
#define EINVAL 22
#endif
#ifndef ERANGE
#define ERANGE 34
#endif
#define STRUNCATE 80
#define _TRUNCATE ((size_t)-1)

extern "C" {
// Installs a handler for the whole process and returns the previous one (null: none installed).
WINBASEAPI _invalid_parameter_handler _set_invalid_parameter_handler(_invalid_parameter_handler handler);
WINBASEAPI _invalid_parameter_handler _get_invalid_parameter_handler(void);
// As on Windows: on a null destination, a zero size, a null source or a source that does not fit,
// the destination (if usable) gets an empty string, the handler is called, and EINVAL or ERANGE is
// returned. Without a handler the process is ended, as Windows does.
WINBASEAPI errno_t wcscpy_s(wchar_t* dest, size_t destSize, const wchar_t* src);
WINBASEAPI errno_t wcsncpy_s(wchar_t* dest, size_t destSize, const wchar_t* src, size_t count);
WINBASEAPI errno_t wcscat_s(wchar_t* dest, size_t destSize, const wchar_t* src);
}
