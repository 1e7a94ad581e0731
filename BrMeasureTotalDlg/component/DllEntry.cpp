// The library's entry: registers it as an MFC extension library, so that MFC finds template
// IDD_MEASURE_TOTAL (resources/MeasureTotalDlg.rc, part of this module's image) beside the host's own
// resources, and unregisters it when the host unloads it.
#include <afxdllx.h>
#include <afxwin.h>

namespace {

AFX_EXTENSION_MODULE g_measureTotalModule = {};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(g_measureTotalModule, hInstance))
            return 0;
        // Registered in MFC's chain until AfxTermExtensionModule removes it again.
        new CDynLinkLibrary(g_measureTotalModule, FALSE);
        return 1;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(g_measureTotalModule, FALSE);
        return 1;
    default:
        return 1;
    }
}
