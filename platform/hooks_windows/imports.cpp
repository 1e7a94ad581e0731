// The import rewriting behind imports.h: each module's import descriptors are walked and a slot
// that holds a registered real function gets the replacement. Slots are matched by address, so a
// function that one system DLL forwards to another is found whatever DLL name the module imports it by.
#include "imports.h"

#include <psapi.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

namespace standin::imports {
namespace {

struct State {
    std::mutex lock;
    std::vector<const Redirect*> redirects;
};

State& S() {
    static State state;
    return state;
}

std::wstring FolderOf(HMODULE module) {
    wchar_t path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L"\\/");
    folder.resize(slash == std::wstring::npos ? 0 : slash);
    std::transform(folder.begin(), folder.end(), folder.begin(), ::towlower);
    return folder;
}

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisLibrary), &self);
    return self;
}

void WriteSlot(void** slot, void* value) {
    DWORD old = 0;
    if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old))
        return;
    *slot = value;
    VirtualProtect(slot, sizeof(void*), old, &old);
}

void RewriteModule(HMODULE module, const std::vector<const Redirect*>& redirects) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0)
        return;
    for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        for (auto* slot = reinterpret_cast<void**>(base + descriptor->FirstThunk); *slot; ++slot) {
            for (const Redirect* redirect : redirects)
                if (*slot == *redirect->real)
                    WriteSlot(slot, redirect->replacement);
        }
    }
}

} // namespace

void Register(const Redirect* redirects, size_t count) {
    std::lock_guard<std::mutex> guard(S().lock);
    for (size_t i = 0; i < count; ++i) {
        HMODULE dll = GetModuleHandleW(redirects[i].dll);
        if (!dll)
            dll = LoadLibraryW(redirects[i].dll);
        *redirects[i].real = dll ? reinterpret_cast<void*>(GetProcAddress(dll, redirects[i].name)) : nullptr;
        if (*redirects[i].real)
            S().redirects.push_back(&redirects[i]);
    }
}

void RewriteLoadedModules() {
    std::lock_guard<std::mutex> guard(S().lock);
    const std::wstring programFolder = FolderOf(nullptr);
    const HMODULE self = ThisLibrary();
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules.data(),
                            static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed))
        return;
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules)
        if (module != self && FolderOf(module) == programFolder)
            RewriteModule(module, S().redirects);
}

namespace {

// A library loaded by one of the program's modules is one of the program's modules too. The caller
// still reads the loader's own last error after the rewrite.
decltype(&LoadLibraryW) g_loadLibraryW;
decltype(&LoadLibraryExW) g_loadLibraryExW;
decltype(&LoadLibraryA) g_loadLibraryA;

HMODULE Loaded(HMODULE module) {
    const DWORD error = GetLastError();
    RewriteLoadedModules();
    SetLastError(error);
    return module;
}
HMODULE WINAPI HookLoadLibraryW(LPCWSTR name) {
    return Loaded(g_loadLibraryW(name));
}
HMODULE WINAPI HookLoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
    return Loaded(g_loadLibraryExW(name, file, flags));
}
HMODULE WINAPI HookLoadLibraryA(LPCSTR name) {
    return Loaded(g_loadLibraryA(name));
}

const Redirect kLoaders[] = {
    Make(L"kernel32.dll", "LoadLibraryW", &HookLoadLibraryW, &g_loadLibraryW),
    Make(L"kernel32.dll", "LoadLibraryExW", &HookLoadLibraryExW, &g_loadLibraryExW),
    Make(L"kernel32.dll", "LoadLibraryA", &HookLoadLibraryA, &g_loadLibraryA),
};
const bool g_loadersRegistered = (Register(kLoaders, std::size(kLoaders)), true);

} // namespace
} // namespace standin::imports

// The program's modules are all mapped, with their imports bound, before any library's DllMain runs.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        standin::imports::RewriteLoadedModules();
    return TRUE;
}
