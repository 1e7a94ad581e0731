// A small MFC extension library for the tests: it carries a dialog template with the control kinds of
// the component's template 436, registers it from DllMain and unregisters it at unload.
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

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
const DLGITEMTEMPLATEW kItems[] = {
    {kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 1, 5, 9, 10, sample::kDrawListCheck, L"Button", L""},
    {kChild | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0, 10, 6, 190, 88,
     sample::kList, L"SysListView32", L"List1"},
    {kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 1, 98, 25, 10, sample::kDrawTotalCheck, L"Button", L"Total"},
    {kChild | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_STATICEDGE, 27, 96, 137, 15,
     sample::kTotalEdit, L"Edit", L""},
    {kChild | WS_GROUP, 0, 168, 99, 15, 8, sample::kUnitLabel, L"Static", L"mm2"},
    {kChild | WS_GROUP, 0, 6, 119, 31, 8, sample::kPositionLabel, L"Static", L"Position"},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 37, 117, 59, 68, sample::kPositionCombo,
     L"ComboBox", L""},
    {kChild | WS_GROUP, 0, 103, 119, 30, 8, sample::kMethodLabel, L"Static", L"Method"},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 134, 117, 47, 60, sample::kMethodCombo,
     L"ComboBox", L""},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 204, 6, 40, 14, sample::kDrawButton, L"Button", L"Draw"},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 204, 22, 40, 14, sample::kDeleteButton, L"Button", L"Delete"},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 204, 38, 40, 14, sample::kDeleteAllButton, L"Button",
     L"Delete all"},
    {kChild | BS_GROUPBOX | WS_GROUP, 0, 210, 54, 33, 31, sample::kLengthGroup, L"Button", L"Length"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 216, 64, 23, 9, sample::kMillimetreRadio,
     L"Button", L"mm"},
    {kChild | BS_AUTORADIOBUTTON, 0, 216, 74, 23, 9, sample::kMetreRadio, L"Button", L"m"},
    {kChild | BS_GROUPBOX | WS_GROUP, 0, 210, 87, 33, 31, sample::kAreaGroup, L"Button", L"Area"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP, 0, 216, 97, 25, 9, sample::kSquareMillimetreRadio, L"Button",
     L"mm2"},
    {kChild | BS_AUTORADIOBUTTON, 0, 216, 107, 25, 9, sample::kSquareMetreRadio, L"Button", L"m2"},
    {kChild | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0, 195, 122, 52, 9, sample::kCloseCheck, L"Button",
     L"Close after"},
};

const DLGTEMPLATEW kTemplate = {
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | DS_MODALFRAME | DS_CONTEXTHELP,
    0,
    0,
    0,
    249,
    135,
    L"Sample",
    9,
    FW_NORMAL,
    0,
    128,
    L"MS PGothic",
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    kItems,
    WORD(std::size(kItems)),
};

void Tell(const char* event) {
    auto sink = reinterpret_cast<sample::EventSink>(
        ::GetProcAddress(::GetModuleHandleW(nullptr), sample::kEventSinkName));
    if (sink != nullptr)
        sink(event);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        ::BrRegisterResource(hInstance, RT_DIALOG, MAKEINTRESOURCEW(sample::kDialogId), &kTemplate,
                             sizeof kTemplate);
        if (!AfxInitExtensionModule(g_sampleModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(g_sampleModule);
        Tell("attach");
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_sampleModule);
        ::BrUnregisterResources(hInstance);
        Tell("detach");
    }
    return TRUE;
}

SAMPLE_API const char* SampleClaimedClassName() {
    return g_sampleModule.pFirstSharedClass ? g_sampleModule.pFirstSharedClass->m_lpszClassName : "";
}
