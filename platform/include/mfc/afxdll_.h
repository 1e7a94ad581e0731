// Extension libraries of the MFC subset: a shared library that uses the host's MFC registers itself
// in the module state's chain (CDynLinkLibrary) so that resource look-ups find its templates.
//
// Start-up of such a library, as MFC's extension DLLs do it:
//   1. the raw step (before the library's static objects are built) moves the module state's
//      run-time class list aside, so the classes the library registers can be told apart;
//   2. the library's static objects are built (IMPLEMENT_DYNAMIC registers its classes);
//   3. DllMain(DLL_PROCESS_ATTACH) calls AfxInitExtensionModule, which claims those classes for the
//      library's AFX_EXTENSION_MODULE, and makes a CDynLinkLibrary;
//   4. the raw step's end puts the module state's list back.
// Steps 1, 3's call of DllMain and 4 are the glue `mfc_dllentry` that the library links (see
// afxdllx.h); DllMain(DLL_PROCESS_DETACH) runs when the library is unloaded.
//
// What it does NOT do: class factories (pFirstSharedFactory stays null), DLL_THREAD_ATTACH/DETACH,
// failing the load when DllMain says FALSE (the glue then runs the detach at once, see afxdllx.h).
#pragma once

// Included by afxwin.h.

// Written `static AFX_EXTENSION_MODULE extDLL = { NULL, NULL };` as in MFC code (or left to its
// default); either way it is constant-initialised, so it is ready before any constructor runs.
struct AFX_EXTENSION_MODULE {
    constexpr AFX_EXTENSION_MODULE() = default;
    template <class A, class B> constexpr AFX_EXTENSION_MODULE(A, B) {}

    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
    CRuntimeClass* pFirstSharedClass = nullptr;
    void* pFirstSharedFactory = nullptr;
};

// Fills the record for the library hModule (module and resource handle) and claims the run-time
// classes it registered while loading. FALSE for a null module.
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes and deletes the library's CDynLinkLibrary (every one with bAll).
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

class AFX_API CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // Registers in the module state's chain: a library first (searched before those loaded earlier),
    // a system library last.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override; // leaves the chain

    HMODULE m_hModule = nullptr;
    HMODULE m_hResource = nullptr;
    CRuntimeClass* m_pClassList = nullptr; // the classes the library brought
    BOOL m_bSystem = FALSE;
};

// The raw start-up step around a library's static objects (used by the mfc_dllentry glue).
AFX_API void AFXAPI AfxBeginExtensionLoad();
AFX_API void AFXAPI AfxEndExtensionLoad();
// The raw step at a library's unload, after its DllMain's detach (used by the glue): its message
// maps and classes go with it and another library may be loaded where they were, so whatever MFC
// kept from them (the message cache's answers) is stale from now on.
AFX_API void AFXAPI AfxExtensionUnloaded();
