// Resources without a resource compiler: a module registers its resources (BrRegisterResource) when it
// is loaded, and FindResourceW / LoadResource / LockResource find them as they would in a PE file.
// Names are numbers (MAKEINTRESOURCE) or strings, compared without case as Windows does. The data is
// not copied: it must live as long as the registration (static data of the module does).
//
// Does NOT: support languages (FindResourceExW), RT_STRING tables, or enumeration.
#include "win32/handle_table.h"
#include "win32/ui_thread.h"

#include <windows.h>

#include <cwctype>
#include <map>
#include <string>
#include <tuple>

namespace standin {
namespace {

std::wstring KeyOf(LPCWSTR name) {
    if (IS_INTRESOURCE(name))
        return L"#" + std::to_wstring(reinterpret_cast<uintptr_t>(name));
    std::wstring key(name);
    if (!key.empty() && key[0] == L'#')
        return key; // "#436" names the same resource as MAKEINTRESOURCE(436)
    for (wchar_t& ch : key)
        ch = static_cast<wchar_t>(std::towupper(ch));
    return key;
}

struct Resource {
    HMODULE module = nullptr;
    const void* data = nullptr;
    DWORD size = 0;
};

struct Resources {
    HandleTable<Resource, HandleKind::Resource> table;
    std::map<std::tuple<HMODULE, std::wstring, std::wstring>, uintptr_t> byName;
};

Resources& Res() {
    static Resources resources;
    return resources;
}

Resource* Find(HRSRC handle) {
    return OnUiThread() ? Res().table.Find(handle) : nullptr;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI BrRegisterResource(HMODULE module, LPCWSTR type, LPCWSTR name, const void* data, DWORD size) {
    if (!type || !name || !data || !OnUiThread()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto key = std::make_tuple(module, KeyOf(type), KeyOf(name));
    auto& byName = Res().byName;
    if (auto it = byName.find(key); it != byName.end())
        Res().table.Erase(it->second); // registering again replaces the old data
    auto resource = std::make_unique<Resource>();
    resource->module = module;
    resource->data = data;
    resource->size = size;
    byName[key] = Res().table.Insert(std::move(resource));
    return TRUE;
}

void WINAPI BrUnregisterResources(HMODULE module) {
    if (!OnUiThread())
        return;
    auto& byName = Res().byName;
    for (auto it = byName.begin(); it != byName.end();) {
        if (std::get<0>(it->first) == module) {
            Res().table.Erase(it->second);
            it = byName.erase(it);
        } else {
            ++it;
        }
    }
}

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!name || !type || !OnUiThread()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!module)
        module = GetModuleHandleW(nullptr);
    auto it = Res().byName.find(std::make_tuple(module, KeyOf(type), KeyOf(name)));
    if (it == Res().byName.end()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(it->second);
}

// The "handle" of loaded resource data is its address, as on 32/64-bit Windows.
HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    Resource* found = Find(resource);
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<void*>(found->data);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    Resource* found = Find(resource);
    return found ? found->size : 0;
}
}
