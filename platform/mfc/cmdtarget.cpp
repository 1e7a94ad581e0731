// CCmdTarget: message-map look-up along the chain of base-class maps, and command dispatch.
#include "afx_internal.h"

#include <cstdint>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every chain: no entries, no base.
const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

CCmdTarget::~CCmdTarget() = default;

namespace {

const AFX_MSGMAP_ENTRY* SearchMaps(const AFX_MSGMAP* map, UINT nMessage, UINT nCode, UINT nID) {
    for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnDispatch != nullptr; ++entry) {
            if (entry->nMessage == nMessage && entry->nCode == nCode && nID >= entry->nID &&
                nID <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

// A window message (no code, no id) is looked up for every message a window gets, and most are in
// no map at all. Maps never change while their library is loaded, so the answer for a (map, message)
// pair is kept, as MFC keeps its message cache, with the library generation it was found in.
// Like the handle maps, the table serves the one user-interface thread.
struct CachedEntry {
    const AFX_MSGMAP* map = nullptr;
    UINT message = 0;
    unsigned generation = 0; // never current: g_libraryGeneration starts at 1
    const AFX_MSGMAP_ENTRY* entry = nullptr;
};
constexpr size_t kCacheSize = 256;
CachedEntry g_messageCache[kCacheSize];

CachedEntry& CacheSlot(const AFX_MSGMAP* map, UINT message) {
    const auto key = reinterpret_cast<uintptr_t>(map) >> 4 ^ message;
    return g_messageCache[key % kCacheSize];
}

// Apart from the kept answer, so that the question every message asks stays a few instructions.
[[gnu::noinline]] const AFX_MSGMAP_ENTRY* SearchAndKeep(CachedEntry& slot, const AFX_MSGMAP* map,
                                                        UINT message, unsigned generation) {
    slot = CachedEntry{map, message, generation, SearchMaps(map, message, 0, 0)};
    return slot.entry;
}

} // namespace

// Every kept answer is dropped at once by moving the generation on.
void AFXAPI AfxResetMsgCache() {
    ++afx_internal::g_libraryGeneration;
}

// Most derived map first, each map in its written order: the first match wins, so a class's own entry
// hides its base's.
const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    const AFX_MSGMAP* map = GetMessageMap();
    if (nCode != 0 || nID != 0)
        return SearchMaps(map, nMessage, nCode, nID);
    CachedEntry& slot = CacheSlot(map, nMessage);
    const unsigned generation = afx_internal::g_libraryGeneration;
    if (slot.map == map && slot.message == nMessage && slot.generation == generation) [[likely]]
        return slot.entry;
    return SearchAndKeep(slot, map, nMessage, generation);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* /*pExtra*/, AFX_CMDHANDLERINFO* /*pHandlerInfo*/) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, UINT(nCode), nID);
    if (entry == nullptr)
        return FALSE;
    LRESULT ignored = 0;
    entry->pfnDispatch(this, AFX_MSGCALL{WM_COMMAND, MAKEWPARAM(nID, nCode), 0}, &ignored);
    return TRUE;
}
