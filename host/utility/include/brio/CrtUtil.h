// Guarded runtime calls: a checked copy whose invalid-parameter failure is recorded in a flag
// instead of ending the process.
#pragma once

#include <windows.h>

#include <cstdint>

#if defined(_WIN32) && defined(BRUTILITY_BUILDING)
#define BRUTILITY_API __declspec(dllexport)
#elif defined(_WIN32)
#define BRUTILITY_API __declspec(dllimport)
#else
#define BRUTILITY_API __attribute__((visibility("default")))
#endif

namespace brio {

class BRUTILITY_API CrtUtil {
public:
    // Copies `src` into `dest` (of `size` wide characters) with wcscpy_s while our handler is
    // installed; returns false when the runtime reported an invalid parameter (dest is then ""),
    // through the handler or through its result (a runtime that keeps no handler, as msvcrt.dll,
    // only returns the error).
    // Inline so that every module that uses it compiles it in with its own runtime state.
    static bool GuardedWcsCpy(wchar_t* dest, size_t size, const wchar_t* src) {
        setIllegalOperationFlag(false);
        _invalid_parameter_handler previous =
            _set_invalid_parameter_handler(&CrtUtil::myInvalidParameterHandler);
        const bool refused = wcscpy_s(dest, size, src) != 0;
        bool failed = getIllegalOperationFlag() || refused;
        if (failed)
            setIllegalOperationFlag(false);
        _set_invalid_parameter_handler(previous);
        return !failed;
    }

private:
    static void setIllegalOperationFlag(bool set);
    static bool getIllegalOperationFlag();
    static void myInvalidParameterHandler(const wchar_t* expression, const wchar_t* function,
                                          const wchar_t* file, unsigned int line, uintptr_t reserved);
};

} // namespace brio
