// Calls of the program's own modules to the system DLLs, turned through this library. Every module
// loaded from the executable's folder (the program and the DLLs built with it, never the system's
// or the compiler's runtime) has the import slots of the functions registered here rewritten to the
// library's replacements; a replacement calls the real function through the pointer it registered.
// Modules loaded later through LoadLibrary are rewritten as they come.
#pragma once

#include <windows.h>

namespace standin::imports {

struct Redirect {
    const wchar_t* dll;
    const char* name;
    void* replacement;
    void** real; // set to the system's function when the redirect is registered
};

// Registers redirects (from a static object's constructor, before the library's DllMain rewrites
// the modules). The array must live as long as the program.
void Register(const Redirect* redirects, size_t count);

// Rewrites the import slots of every module of the program that is loaded now.
void RewriteLoadedModules();

template <typename Function>
Redirect Make(const wchar_t* dll, const char* name, Function* replacement, Function** real) {
    return Redirect{dll, name, reinterpret_cast<void*>(replacement), reinterpret_cast<void**>(real)};
}

} // namespace standin::imports
