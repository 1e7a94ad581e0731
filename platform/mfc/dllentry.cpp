// The entry glue of an MFC extension library, compiled into every shared library that links
// `mfc_dllentry`: it calls the library's DllMain at load and unload, as Windows' loader does, and runs
// MFC's raw start-up step around the library's static objects.
//
// Order at load: the raw step (constructor priority 101) runs before the library's static objects;
// the DllMain attach runs from an unprioritised constructor, which follows the library's own because
// this object is linked after them (a whole archive, after the library's object files). At unload the detach
// runs before the static objects are destroyed.
//
// On Windows the loader calls DllMain itself, after the C runtime has built the static objects; the
// glue is the library's entry point instead (linked with --entry), and puts the raw step around the
// runtime's own entry, which builds the static objects and calls DllMain.
//
// What it does NOT do: DLL_THREAD_ATTACH/DETACH, failing the load on Linux (see afxdllx.h).
#include <afxdllx.h>

#ifdef _WIN32

// mingw-w64's entry of a DLL: runs the static constructors, then DllMain; the destructors at detach.
extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE, DWORD, LPVOID);

extern "C" BOOL WINAPI AfxExtensionDllEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH)
        AfxBeginExtensionLoad();
    BOOL result = DllMainCRTStartup(instance, reason, reserved);
    if (reason == DLL_PROCESS_ATTACH)
        AfxEndExtensionLoad();
    if (reason == DLL_PROCESS_DETACH)
        AfxResetMsgCache(); // the library's message maps go with it
    return result;
}

#else

// The library's own DllMain (hidden, so it never binds to another module's); a library without one
// still gets the raw step.
extern "C" __attribute__((weak, visibility("hidden"))) BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID);

namespace {

bool g_attached = false;

HMODULE ThisLibrary() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisLibrary), &module);
    return module;
}

__attribute__((constructor(101))) void BeginLoad() {
    AfxBeginExtensionLoad();
}

__attribute__((constructor)) void AttachLibrary() {
    BOOL attached = DllMain == nullptr || DllMain(ThisLibrary(), DLL_PROCESS_ATTACH, nullptr);
    AfxEndExtensionLoad();
    if (!attached) {
        // Windows undoes a refused attach with a detach before it fails the load.
        DllMain(ThisLibrary(), DLL_PROCESS_DETACH, nullptr);
        ::OutputDebugStringW(L"DllMain refused DLL_PROCESS_ATTACH; the library stays loaded but detached\n");
        return;
    }
    g_attached = true;
}

__attribute__((destructor)) void DetachLibrary() {
    if (!g_attached)
        return;
    g_attached = false;
    if (DllMain != nullptr)
        DllMain(ThisLibrary(), DLL_PROCESS_DETACH, nullptr);
    AfxExtensionUnloaded();
}

} // namespace

#endif
