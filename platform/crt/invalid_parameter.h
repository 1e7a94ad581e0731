// The one place where a checked CRT function reports a bad argument.
#pragma once

#include <crtwin.h>

namespace crt {

// Calls the installed handler and returns to the caller, which then returns its error code; with no
// handler installed the process ends here, as the Windows runtime ends it.
void reportInvalidParameter(const wchar_t* expression, const wchar_t* function, unsigned line);

} // namespace crt
