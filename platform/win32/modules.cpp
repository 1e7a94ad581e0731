// Modules: an HMODULE is the load address of a shared object (or of the executable), as on Windows.
// LoadLibraryW / FreeLibrary / GetProcAddress go through dlopen; a Windows name such as "Foo.dll"
// also finds "libFoo.so", so the host can load a component by the name it would use on Windows.
//
// Does NOT: run DllMain (a library's own static initialiser does that), support ordinals in
// GetProcAddress, LoadLibraryExW flags, or modules of other processes.
#include "core/ui_thread.h"
#include "core/utf8.h"

#include <windows.h>

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace standin {
namespace {

struct LoadedObject {
    uintptr_t base = 0;
    std::string path;
};

// Every loaded object with its base (lowest PT_LOAD address); the executable comes first.
std::vector<LoadedObject> LoadedObjects() {
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            uintptr_t lowest = UINTPTR_MAX;
            for (int i = 0; i < info->dlpi_phnum; ++i)
                if (info->dlpi_phdr[i].p_type == PT_LOAD)
                    lowest = std::min<uintptr_t>(lowest, info->dlpi_phdr[i].p_vaddr);
            if (lowest == UINTPTR_MAX)
                return 0;
            uintptr_t base = (info->dlpi_addr + lowest) & ~static_cast<uintptr_t>(getpagesize() - 1);
            static_cast<std::vector<LoadedObject>*>(data)->push_back(
                LoadedObject{base, info->dlpi_name ? info->dlpi_name : ""});
            return 0;
        },
        &objects);
    return objects;
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The names a Windows module name may have here: as given, and "libStem.so" for "Stem.dll".
std::vector<std::string> CandidateNames(const std::string& name) {
    std::vector<std::string> names{name};
    std::string stem = name;
    if (stem.size() > 4 && (stem.ends_with(".dll") || stem.ends_with(".DLL")))
        stem.resize(stem.size() - 4);
    size_t slash = stem.find_last_of('/');
    std::string dir = slash == std::string::npos ? "" : stem.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? stem : stem.substr(slash + 1);
    if (!file.starts_with("lib") || !name.ends_with(".so"))
        names.push_back(dir + "lib" + file + ".so");
    return names;
}

// dlopen handles of LoadLibraryW, by module base; each LoadLibraryW holds one reference.
std::multimap<uintptr_t, void*>& Opened() {
    static std::multimap<uintptr_t, void*> opened;
    return opened;
}

uintptr_t BaseOfAddress(const void* address) {
    Dl_info info{};
    if (!address || !dladdr(address, &info))
        return 0;
    return reinterpret_cast<uintptr_t>(info.dli_fbase);
}

uintptr_t BaseOfHandle(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return 0;
    for (const LoadedObject& object : LoadedObjects())
        if (object.path == map->l_name)
            return object.base;
    return 0;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

HMODULE WINAPI GetModuleHandleW(LPCWSTR name) {
    std::vector<LoadedObject> objects = LoadedObjects();
    if (!name)
        return objects.empty() ? nullptr : reinterpret_cast<HMODULE>(objects.front().base);
    for (const std::string& candidate : CandidateNames(ToUtf8(name)))
        for (const LoadedObject& object : objects)
            if (!object.path.empty() && BaseName(object.path) == BaseName(candidate))
                return reinterpret_cast<HMODULE>(object.base);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

// Without UNCHANGED_REFCOUNT or PIN the module gains a reference that FreeLibrary gives back, as a
// LoadLibraryW's does; PIN is taken as the promise it is (nothing here ever unloads a pinned module).
BOOL WINAPI GetModuleHandleExW(DWORD flags, LPCWSTR name, HMODULE* module) {
    const DWORD known = GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT |
                        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS;
    if (module)
        *module = nullptr;
    if (!module || (flags & ~known) ||
        ((flags & GET_MODULE_HANDLE_EX_FLAG_PIN) && (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const uintptr_t base = (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)
                               ? BaseOfAddress(name)
                               : reinterpret_cast<uintptr_t>(GetModuleHandleW(name));
    if (!base) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    if (!(flags & (GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT | GET_MODULE_HANDLE_EX_FLAG_PIN))) {
        std::string path;
        std::vector<LoadedObject> objects = LoadedObjects();
        for (size_t i = 1; i < objects.size(); ++i) // the first is the executable: dlopen(nullptr)
            if (objects[i].base == base)
                path = objects[i].path;
        if (void* handle = dlopen(path.empty() ? nullptr : path.c_str(), RTLD_NOW | RTLD_NOLOAD))
            Opened().emplace(base, handle);
    }
    *module = reinterpret_cast<HMODULE>(base);
    return TRUE;
}

HMODULE WINAPI LoadLibraryW(LPCWSTR path) {
    if (!path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    for (const std::string& candidate : CandidateNames(ToUtf8(path))) {
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            continue;
        uintptr_t base = BaseOfHandle(handle);
        if (!base) {
            dlclose(handle);
            continue;
        }
        Opened().emplace(base, handle);
        return reinterpret_cast<HMODULE>(base);
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
    auto it = Opened().find(reinterpret_cast<uintptr_t>(module));
    if (it == Opened().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    void* handle = it->second;
    Opened().erase(it);
    dlclose(handle);
    return TRUE;
}

void* WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
    if (!name || IS_INTRESOURCE(name)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    uintptr_t base = reinterpret_cast<uintptr_t>(module);
    std::string path;
    for (const LoadedObject& object : LoadedObjects())
        if (object.base == base)
            path = object.path;
    bool executable = module && base == reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
    void* handle = dlopen(executable || path.empty() ? nullptr : path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!module || (!executable && path.empty()) || !handle) {
        if (handle)
            dlclose(handle);
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    void* symbol = dlsym(handle, name);
    dlclose(handle);
    if (!symbol)
        SetLastError(ERROR_PROC_NOT_FOUND);
    return symbol;
}

// The module's file path, cut to fit (with ERROR_INSUFFICIENT_BUFFER) as Windows cuts it.
DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    std::string path;
    uintptr_t base = reinterpret_cast<uintptr_t>(module);
    std::vector<LoadedObject> objects = LoadedObjects();
    if (!module || (!objects.empty() && base == objects.front().base)) {
        path = ExecutablePath();
    } else {
        for (const LoadedObject& object : objects)
            if (object.base == base)
                path = object.path;
        if (path.empty()) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return 0;
        }
    }
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::wstring wide = FromUtf8(path);
    if (wide.size() >= size) {
        wide.copy(buffer, size - 1);
        buffer[size - 1] = L'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    wide.copy(buffer, wide.size());
    buffer[wide.size()] = L'\0';
    return static_cast<DWORD>(wide.size());
}
}
