// What frameworks and hosts build on: the creation hook that lets a framework attach its object before
// the first message, modal dialogs with their own loop, and modules found by their Windows names.
#include "test_support.h"
#include "dialog_template_bytes.h"

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
    if (code == HCBT_CREATEWND) {
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
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), owner, JournalDialogProc, 0),
              IDCANCEL)
        << "headless, with no input left to come, the dialog is cancelled rather than waited on";
    DestroyWindow(owner);
}

std::wstring ModuleFile(HMODULE module) {
    wchar_t path[1024];
    DWORD n = GetModuleFileNameW(module, path, 1024);
    return std::wstring(path, n);
}

TEST_F(HooksAndModules, ModulesAreLoadAddressesFoundByTheirWindowsNames) {
    HMODULE exe = GetModuleHandleW(nullptr);
    EXPECT_EQ(exe, BrModuleOfAddress(reinterpret_cast<const void*>(&ModuleFile)));
    EXPECT_TRUE(ModuleFile(exe).ends_with(L"/win32_test"));

    HMODULE user32 = BrModuleOfAddress(reinterpret_cast<const void*>(&CreateWindowExW));
    ASSERT_NE(user32, nullptr);
    EXPECT_NE(user32, exe);
    EXPECT_TRUE(ModuleFile(user32).ends_with(L"/libwin32.so"));
    EXPECT_EQ(GetModuleHandleW(L"win32.dll"), user32) << "Stem.dll is found as libStem.so";
    EXPECT_EQ(GetProcAddress(user32, "CreateWindowExW"), reinterpret_cast<void*>(&CreateWindowExW));
    EXPECT_EQ(GetProcAddress(user32, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

    HMODULE loaded = LoadLibraryW(L"win32.dll");
    EXPECT_EQ(loaded, user32) << "loading a loaded library gives the same module";
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_FALSE(FreeLibrary(loaded)) << "one FreeLibrary per LoadLibrary";
    EXPECT_EQ(LoadLibraryW(L"NoSuchLibrary.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

    wchar_t tiny[4];
    EXPECT_EQ(GetModuleFileNameW(exe, tiny, 4), 4u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(tiny[3], L'\0') << "cut to fit and terminated";
}

} // namespace
} // namespace win32test
