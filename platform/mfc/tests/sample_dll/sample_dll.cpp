// A small MFC extension library for the tests: its image carries a dialog template with the control
// kinds of the component's template 436 (sample_dll.rc), which MFC finds through its extension record.
#include "sample_dll.h"

#include <afxdllx.h>
#include <commctrl.h>

#define SAMPLE_API extern "C" __attribute__((visibility("default")))

// A class of the library's own, so that its extension record has something to claim.
class SampleRecord : public CObject {
    DECLARE_DYNAMIC(SampleRecord)
};
IMPLEMENT_DYNAMIC(SampleRecord, CObject)

namespace {

AFX_EXTENSION_MODULE g_sampleModule = {NULL, NULL};

void Tell(const char* event) {
    auto sink = reinterpret_cast<sample::EventSink>(
        ::GetProcAddress(::GetModuleHandleW(nullptr), sample::kEventSinkName));
    if (sink != nullptr)
        sink(event);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_sampleModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_sampleModule);
        Tell("attach");
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_sampleModule);
        Tell("detach");
    }
    return TRUE;
}

SAMPLE_API const char* SampleClaimedClassName() {
    return g_sampleModule.pFirstSharedClass ? g_sampleModule.pFirstSharedClass->m_lpszClassName : "";
}
