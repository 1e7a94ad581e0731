// Resources from the module's image, as Windows finds them in a PE file's resource section. The
// resource compiler's output (the .res stream windres writes: one header per resource, then its
// bytes) is bound into a shared object as an ELF note (owner "WinRes", type 1; cmake/BrResources.cmake
// makes it), and notes are mapped with the object, so FindResourceW reads them from the module's
// program headers, and LoadResource/LockResource give the bytes in place, as Windows does.
// Names are numbers (MAKEINTRESOURCE, or "#436") or strings, compared without case as Windows does.
// An HRSRC is the address of the resource's header in the image, and is accepted only while it is one
// of the module's resources.
//
// Does NOT: choose among languages (the first resource of the name and type is found; FindResourceExW
// is absent), load RT_STRING tables or enumerate resources.

#include <windows.h>

#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <string>

namespace standin {
namespace {

constexpr char kNoteOwner[] = "WinRes";
constexpr uint32_t kNoteResources = 1;

// A resource's type or name: an ordinal, or an upper-cased string (UTF-16 code units widened).
struct ResourceKey {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring text;
    bool operator==(const ResourceKey&) const = default;
};

ResourceKey KeyOf(LPCWSTR name) {
    if (IS_INTRESOURCE(name))
        return {true, static_cast<WORD>(reinterpret_cast<uintptr_t>(name)), {}};
    if (name[0] == L'#') // "#436" names the same resource as MAKEINTRESOURCE(436)
        return {true, static_cast<WORD>(std::wcstoul(name + 1, nullptr, 10)), {}};
    ResourceKey key;
    for (const wchar_t* p = name; *p; ++p)
        key.text.push_back(static_cast<wchar_t>(std::towupper(*p)));
    return key;
}

// One field of a resource header: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
const BYTE* ReadKey(const BYTE* p, const BYTE* end, ResourceKey* key) {
    WORD unit = 0;
    if (p + 2 > end)
        return nullptr;
    std::memcpy(&unit, p, 2);
    if (unit == 0xFFFF) {
        if (p + 4 > end)
            return nullptr;
        key->isOrdinal = true;
        std::memcpy(&key->ordinal, p + 2, 2);
        return p + 4;
    }
    for (; p + 2 <= end; p += 2) {
        std::memcpy(&unit, p, 2);
        if (unit == 0)
            return p + 2;
        key->text.push_back(static_cast<wchar_t>(std::towupper(unit)));
    }
    return nullptr;
}

const BYTE* AlignedTo4(const BYTE* p, const BYTE* origin) {
    return origin + ((p - origin + 3) & ~static_cast<ptrdiff_t>(3));
}

struct Entry {
    const BYTE* header = nullptr;
    const BYTE* data = nullptr;
    DWORD size = 0;
};

// Calls `visit(entry, type, name)` for each resource of a .res stream until it returns true.
template <typename Visit> bool ForEachResource(const BYTE* stream, size_t length, Visit&& visit) {
    const BYTE* end = stream + length;
    for (const BYTE* p = stream; p + 8 <= end;) {
        DWORD dataSize = 0, headerSize = 0;
        std::memcpy(&dataSize, p, 4);
        std::memcpy(&headerSize, p + 4, 4);
        if (headerSize < 8 || headerSize > static_cast<size_t>(end - p) ||
            dataSize > static_cast<size_t>(end - p) - headerSize)
            return false;
        ResourceKey type, name;
        const BYTE* field = ReadKey(p + 8, p + headerSize, &type);
        if (field)
            field = ReadKey(field, p + headerSize, &name);
        // The stream opens with an empty resource (type and name 0) that only marks the format.
        bool marker = type.isOrdinal && type.ordinal == 0;
        if (field && !marker && visit(Entry{p, p + headerSize, dataSize}, type, name))
            return true;
        p = AlignedTo4(p + headerSize + dataSize, stream);
    }
    return false;
}

// Every resource stream bound into the module whose image starts at `module`.
template <typename Visit> bool ForEachStream(HMODULE module, Visit&& visit) {
    struct Search {
        uintptr_t base;
        Visit* visit;
        bool found = false;
    } search{reinterpret_cast<uintptr_t>(module), &visit};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* search = static_cast<Search*>(data);
            uintptr_t lowest = UINTPTR_MAX;
            for (int i = 0; i < info->dlpi_phnum; ++i)
                if (info->dlpi_phdr[i].p_type == PT_LOAD)
                    lowest = std::min<uintptr_t>(lowest, info->dlpi_phdr[i].p_vaddr);
            uintptr_t base = (info->dlpi_addr + lowest) & ~static_cast<uintptr_t>(getpagesize() - 1);
            if (lowest == UINTPTR_MAX || base != search->base)
                return 0;
            for (int i = 0; i < info->dlpi_phnum && !search->found; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_NOTE)
                    continue;
                auto* p = reinterpret_cast<const BYTE*>(info->dlpi_addr + segment.p_vaddr);
                const BYTE* end = p + segment.p_memsz;
                while (p + sizeof(ElfW(Nhdr)) <= end && !search->found) {
                    ElfW(Nhdr) note;
                    std::memcpy(&note, p, sizeof note);
                    const BYTE* name = p + sizeof note;
                    const BYTE* desc = name + ((note.n_namesz + 3) & ~3u);
                    if (desc + note.n_descsz > end)
                        break;
                    if (note.n_type == kNoteResources && note.n_namesz == sizeof kNoteOwner &&
                        std::memcmp(name, kNoteOwner, sizeof kNoteOwner) == 0)
                        search->found = (*search->visit)(desc, note.n_descsz);
                    p = desc + ((note.n_descsz + 3) & ~3u);
                }
            }
            return 1;
        },
        &search);
    return search.found;
}

// The resource whose header is at `handle`, if it is one of the module's.
bool FindEntry(HMODULE module, HRSRC handle, Entry* found) {
    return ForEachStream(module, [&](const BYTE* stream, size_t length) {
        return ForEachResource(stream, length,
                               [&](const Entry& entry, const ResourceKey&, const ResourceKey&) {
                                   if (entry.header != reinterpret_cast<const BYTE*>(handle))
                                       return false;
                                   *found = entry;
                                   return true;
                               });
    });
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!name || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!module)
        module = GetModuleHandleW(nullptr);
    const ResourceKey wantedType = KeyOf(type), wantedName = KeyOf(name);
    Entry found;
    bool any = ForEachStream(module, [&](const BYTE* stream, size_t length) {
        return ForEachResource(
            stream, length,
            [&](const Entry& entry, const ResourceKey& entryType, const ResourceKey& entryName) {
                if (entryType != wantedType || entryName != wantedName)
                    return false;
                found = entry;
                return true;
            });
    });
    if (!any) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<BYTE*>(found.header));
}

// The "handle" of loaded resource data is its address, as on 32/64-bit Windows.
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    Entry found;
    if (!resource || !FindEntry(module ? module : GetModuleHandleW(nullptr), resource, &found)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<BYTE*>(found.data);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    Entry found;
    return resource && FindEntry(module ? module : GetModuleHandleW(nullptr), resource, &found) ? found.size
                                                                                                : 0;
}
}
