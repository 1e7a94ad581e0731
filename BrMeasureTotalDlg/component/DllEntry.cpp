// The library's entry: registers it as an MFC extension library, so that MFC finds template IDD_MEASURE_TOTAL
// beside the host's own resources, and unregisters it when the host unloads it.
#include "MeasureTotalDlgIds.h"

#include "../resources/DialogTemplate.h"

#include <afxdllx.h>
#include <afxwin.h>

namespace {

AFX_EXTENSION_MODULE g_measureTotalModule = {};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        // On Windows the template is part of the module image; here it joins the module's
        // resources before anything can look for it.
        BrRegisterResource(hInstance, RT_DIALOG, MAKEINTRESOURCEW(IDD_MEASURE_TOTAL),
                           &brio::ui::measure::resources::kMeasureTotalTemplate,
                           sizeof(brio::ui::measure::resources::kMeasureTotalTemplate));
        if (!AfxInitExtensionModule(g_measureTotalModule, hInstance))
            return 0;
        // Registered in MFC's chain until AfxTermExtensionModule removes it again.
        new CDynLinkLibrary(g_measureTotalModule, FALSE);
        return 1;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(g_measureTotalModule, FALSE);
        BrUnregisterResources(hInstance);
        return 1;
    default:
        return 1;
    }
}
