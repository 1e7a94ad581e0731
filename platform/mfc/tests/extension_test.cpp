// An extension library loaded at run time: its DllMain runs at load (registering its template and
// joining MFC's chain, claiming its own run-time classes) and at unload (leaving the chain), and its
// dialog can be made only while it is loaded.
#include "sample_dialog.h"
#include "test_support.h"

#include <algorithm>

namespace {

std::vector<std::string> g_libraryEvents;

} // namespace

// The library finds this in the program, as a host hands its libraries a service.
extern "C" MFC_TEST_PROGRAM_EXPORT void MfcSampleDllEvent(const char* event) {
    g_libraryEvents.emplace_back(event);
}

namespace {

std::wstring LibraryPath(const wchar_t* target = L"libmfc_sample_dll") {
    return LibraryBesideProgram(target);
}

bool InChain(HMODULE module) {
    const auto& chain = AfxGetModuleState()->m_libraryList;
    return std::any_of(chain.begin(), chain.end(),
                       [&](CDynLinkLibrary* l) { return l->m_hModule == module; });
}

bool ClassListed(const char* name) {
    for (CRuntimeClass* c = AfxGetModuleState()->m_pClassList; c != nullptr; c = c->m_pNextClass) {
        if (std::string(c->m_lpszClassName) == name)
            return true;
    }
    return false;
}

class ExtensionLibraryTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        g_libraryEvents.clear();
    }
};

TEST_F(ExtensionLibraryTest, DllMainRegistersAtLoadAndLeavesAtUnload) {
    HMODULE library = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(Joined(g_libraryEvents), "attach");
    EXPECT_TRUE(InChain(library));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(sample::kDialogId), RT_DIALOG), library);
    auto claimed =
        reinterpret_cast<sample::ClaimedClassName>(::GetProcAddress(library, sample::kClaimedClassName));
    ASSERT_NE(claimed, nullptr);
    EXPECT_STREQ(claimed(), "SampleRecord") << "the library's class is its own";
    EXPECT_FALSE(ClassListed("SampleRecord")) << "and not in the program's list";
    EXPECT_TRUE(ClassListed("CDialog")) << "the program's list is back";

    {
        SampleDialog dialog;
        ASSERT_TRUE(dialog.Create(sample::kDialogId, nullptr));
        EXPECT_EQ(Joined(dialog.m_events), "OnInitDialog");
        dialog.DestroyWindow();
    }

    ASSERT_TRUE(::FreeLibrary(library));
    EXPECT_EQ(Joined(g_libraryEvents), "attach | detach");
    EXPECT_FALSE(InChain(library));
    SampleDialog late;
    EXPECT_FALSE(late.Create(sample::kDialogId, nullptr)) << "the template left with the library";
    EXPECT_EQ(late.m_hWnd, nullptr);
    EXPECT_TRUE(late.m_events.empty());
}

TEST_F(ExtensionLibraryTest, TheCurrentResourceHandleIsSearchedBeforeTheChain) {
    HMODULE library = ::LoadLibraryW(LibraryPath().c_str());
    ASSERT_NE(library, nullptr);
    HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(library);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(sample::kDialogId), RT_DIALOG), library);
    AfxSetResourceHandle(saved);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(sample::kDialogId + 1), RT_DIALOG), saved)
        << "a resource nobody has: the current handle";
    ::FreeLibrary(library);
}

// The refused library is detached at once, as Windows detaches it before failing the load, and an
// unload does not detach it again. Windows fails the load itself; dlopen cannot be made to fail from
// inside, so on the stand-in the handle is left for the caller to free.
TEST_F(ExtensionLibraryTest, ARefusedAttachIsUndoneAtOnceAndOnlyOnce) {
    HMODULE library = ::LoadLibraryW(LibraryPath(L"libmfc_refusing_dll").c_str());
#ifdef _WIN32
    EXPECT_EQ(library, nullptr) << "DllMain's FALSE fails LoadLibraryW";
#else
    ASSERT_NE(library, nullptr);
#endif
    EXPECT_EQ(Joined(g_libraryEvents), "refused attach | detach");
    if (library != nullptr)
        ::FreeLibrary(library);
    EXPECT_EQ(Joined(g_libraryEvents), "refused attach | detach");
}

TEST(ExtensionModule, ANullModuleCannotBeInitialised) {
    AFX_EXTENSION_MODULE module = {NULL, NULL};
    EXPECT_FALSE(AfxInitExtensionModule(module, nullptr));
    EXPECT_FALSE(module.bInitialized);
}

} // namespace
