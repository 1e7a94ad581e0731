// A library whose DllMain refuses the attach, for the tests of what the entry glue does then.
#include "sample_dll.h"

#include <afxdllx.h>

namespace {

void Tell(const char* event) {
    auto sink = reinterpret_cast<sample::EventSink>(
        ::GetProcAddress(::GetModuleHandleW(nullptr), sample::kEventSinkName));
    if (sink != nullptr)
        sink(event);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE /*hInstance*/, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        Tell("refused attach");
        return FALSE;
    }
    if (dwReason == DLL_PROCESS_DETACH)
        Tell("detach");
    return TRUE;
}
