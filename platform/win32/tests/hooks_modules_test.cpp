// What frameworks and hosts build on: the creation hook that lets a framework attach its object before
// the first message, modal dialogs with their own loop, and modules found by their Windows names.
#include "test_support.h"
#include "dialog_template_bytes.h"
#include "platform_marks.h"

#include <string>

namespace win32test {
namespace {

using Lines = std::vector<std::string>;

class HooksAndModules : public StandinTest {};

HHOOK g_hook = nullptr;
WNDPROC g_classProc = nullptr;
bool g_veto = false;

LRESULT CALLBACK Subclassed(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        Journal().push_back("subclass:WM_NCCREATE");
    return CallWindowProcW(g_classProc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[64] = {};
    // The hook sees every window the thread makes (Windows makes some of its own, such as an input
    // method window): only those of the journal class are this test's.
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64) &&
        std::wstring(name) == kJournalClass) {
        auto hwnd = reinterpret_cast<HWND>(wParam);
        auto* cbt = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        Journal().push_back("hook:" + std::to_string(cbt->lpcs->cx) + "x" + std::to_string(cbt->lpcs->cy));
        if (g_veto)
            return 1;
        g_classProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclassed)));
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(HooksAndModules, CreationHookSubclassesBeforeTheFirstMessage) {
    g_hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(g_hook, nullptr);
    Watched() = {WM_NCCREATE, WM_CREATE};
    g_veto = false;
    HWND hwnd = MakeWindow(L"w", WS_POPUP, 0, 0, 40, 30);
    EXPECT_EQ(Journal(), (Lines{"hook:40x30", "subclass:WM_NCCREATE", "w:WM_NCCREATE", "w:WM_CREATE"}));
    DestroyWindow(hwnd);

    Journal().clear();
    g_veto = true;
    int windows = standin::CountLiveObjects().windows;
    EXPECT_EQ(MakeWindow(L"v", WS_POPUP, 0, 0, 5, 5), nullptr) << "a hook can refuse a window";
    EXPECT_EQ(standin::CountLiveObjects().windows, windows);
    EXPECT_TRUE(UnhookWindowsHookEx(g_hook));
    EXPECT_FALSE(UnhookWindowsHookEx(g_hook));
    EXPECT_EQ(SetWindowsHookExW(2 /* WH_KEYBOARD */, CreationHook, nullptr, 0), nullptr);
    hwnd = MakeWindow(L"after", WS_POPUP, 0, 0, 5, 5);
    EXPECT_NE(hwnd, nullptr) << "no hook, no veto";
    DestroyWindow(hwnd);
}

TEST_F(HooksAndModules, ModalDialogDisablesItsOwnerUntilItEnds) {
    HWND owner = MakeWindow(L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    bool ownerEnabledInside = true;
    SetDialogHook([&](HWND dialog, UINT msg, WPARAM wParam, LPARAM, INT_PTR*) {
        if (msg == WM_INITDIALOG)
            PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
            ownerEnabledInside = IsWindowEnabled(owner);
            EndDialog(dialog, 77);
        }
        return false;
    });
    const DialogSpec tmpl{
        WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 80, 40, L"modal", 0, 0, 0, 0, nullptr, 0, nullptr, 0};
    int windows = standin::CountLiveObjects().windows;
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), owner, JournalDialogProc, 0),
              77);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(standin::CountLiveObjects().windows, windows) << "the dialog is gone when the call returns";

    SetDialogHook(nullptr);
    BR_STANDIN_ONLY(
        "headless, a modal dialog with no input left to come is cancelled; Windows waits for a person",
        EXPECT_EQ(
            DialogBoxIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), owner, JournalDialogProc, 0),
            IDCANCEL));
    DestroyWindow(owner);
}

std::wstring ModuleFile(HMODULE module) {
    wchar_t path[1024];
    DWORD n = GetModuleFileNameW(module, path, 1024);
    return std::wstring(path, n);
}

// The file name without its folder and extension ("win32_test" for .../win32_test or ...\win32_test.exe).
std::wstring Stem(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    return name.substr(0, name.find(L'.'));
}

HMODULE ModuleOf(const void* address) {
    HMODULE module = nullptr;
    EXPECT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                       GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   static_cast<LPCWSTR>(address), &module));
    return module;
}

#ifdef _WIN32
const wchar_t kWindowLibrary[] = L"user32.dll";
const wchar_t kWindowLibraryStem[] = L"user32";
#else
const wchar_t kWindowLibrary[] = L"win32.dll"; // the stand-in's user32 is libwin32.so
const wchar_t kWindowLibraryStem[] = L"libwin32";
#endif

TEST_F(HooksAndModules, ModulesAreLoadAddressesFoundByTheirWindowsNames) {
    HMODULE exe = GetModuleHandleW(nullptr);
    EXPECT_EQ(exe, ModuleOf(reinterpret_cast<const void*>(&ModuleFile)));
    EXPECT_EQ(Stem(ModuleFile(exe)), L"win32_test");

    HMODULE user32 = ModuleOf(reinterpret_cast<const void*>(&IsWindow));
    ASSERT_NE(user32, nullptr);
    EXPECT_NE(user32, exe);
    EXPECT_EQ(Stem(ModuleFile(user32)), kWindowLibraryStem);
    EXPECT_EQ(GetModuleHandleW(kWindowLibrary), user32) << "a module is found by the name it was loaded by";
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "IsWindow")),
              reinterpret_cast<void*>(&IsWindow));
    EXPECT_EQ(GetProcAddress(user32, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

    HMODULE loaded = LoadLibraryW(kWindowLibrary);
    EXPECT_EQ(loaded, user32) << "loading a loaded library gives the same module";
    EXPECT_TRUE(FreeLibrary(loaded));
    HMODULE counted = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(0, kWindowLibrary, &counted))
        << "without UNCHANGED_REFCOUNT: one more reference";
    EXPECT_EQ(counted, user32);
    EXPECT_TRUE(FreeLibrary(counted));
    EXPECT_FALSE(
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           kWindowLibrary, &counted));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << "a pin that adds no reference";
    // Each error is read at once: the test framework's own calls between may set another.
    const HMODULE missing = LoadLibraryW(L"NoSuchLibrary.dll");
    const DWORD missingError = GetLastError();
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(missingError, static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

    wchar_t tiny[4];
    const DWORD copied = GetModuleFileNameW(exe, tiny, 4);
    const DWORD copiedError = GetLastError();
    EXPECT_EQ(copied, 4u);
    EXPECT_EQ(copiedError, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    BR_FAILS_ON_WINDOWS("Wine differs from Windows: Microsoft's GetModuleFileNameW page says a cut name is "
                        "terminated within nSize (only Windows XP left it unterminated); Wine's is not",
                        EXPECT_EQ(tiny[3], L'\0') << "cut to fit and terminated");
}

} // namespace
} // namespace win32test
