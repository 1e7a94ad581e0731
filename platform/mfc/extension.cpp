// Extension libraries: the AFX_EXTENSION_MODULE record, the chain of CDynLinkLibrary objects that
// resource look-ups walk, and the raw load step that tells a library's run-time classes apart.
#include "afx_internal.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace afx_internal {
unsigned g_libraryGeneration = 1;
} // namespace afx_internal

namespace {

// The class lists moved aside by libraries being loaded (a library's start-up may load another).
std::vector<CRuntimeClass*>& SavedClassLists() {
    static auto* saved = new std::vector<CRuntimeClass*>;
    return *saved;
}

} // namespace

void AFXAPI AfxBeginExtensionLoad() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    SavedClassLists().push_back(state->m_pClassList);
    state->m_pClassList = nullptr;
}

// Classes the library registered but did not claim are dropped from the list: they live in the
// library's memory and would dangle once it is unloaded.
void AFXAPI AfxEndExtensionLoad() {
    auto& saved = SavedClassLists();
    if (saved.empty())
        return;
    AfxGetModuleState()->m_pClassList = saved.back();
    saved.pop_back();
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (hModule == nullptr)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    // Only inside a library's load are the listed classes the library's own.
    if (!SavedClassLists().empty()) {
        AFX_MODULE_STATE* moduleState = AfxGetModuleState();
        state.pFirstSharedClass = moduleState->m_pClassList;
        moduleState->m_pClassList = nullptr;
    }
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    std::vector<CDynLinkLibrary*> libraries = AfxGetModuleState()->m_libraryList;
    for (CDynLinkLibrary* library : libraries) {
        if (bAll || (library->m_hModule != nullptr && library->m_hModule == state.hModule))
            delete library;
    }
}

void AFXAPI AfxExtensionUnloaded() {
    ++afx_internal::g_libraryGeneration;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_pClassList(state.pFirstSharedClass),
      m_bSystem(bSystem) {
    auto& chain = AfxGetModuleState()->m_libraryList;
    chain.insert(chain.begin(), this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource) {
    auto& chain = AfxGetModuleState()->m_libraryList;
    chain.insert(chain.begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    std::erase(AfxGetModuleState()->m_libraryList, this);
}
