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

// Commands and notifications are looked up by code and id as well: a list tells its parent of every
// row it changes, and the dialog's maps are searched twice for each (the list's reflected entries,
// then the dialog's own). Their answers are kept apart from the window messages' table, with the
// same library generation: one table keyed by code and id too cost every window message through
// OnWndMsg two more compares (a subclassed message 2.86x -> 2.96x a direct send).
struct CodedAnswer {
    const AFX_MSGMAP* map = nullptr;
    UINT message = 0;
    UINT code = 0;
    UINT id = 0;
    unsigned generation = 0; // never current: the generation starts at 1
    const AFX_MSGMAP_ENTRY* entry = nullptr;
};
constexpr size_t kCodedCacheSize = 256;
CodedAnswer g_codedCache[kCodedCacheSize];

// Apart from the kept answer's reading, so that a hit stays a few instructions.
[[gnu::noinline]] const AFX_MSGMAP_ENTRY* SearchAndKeepCoded(CodedAnswer& slot, const AFX_MSGMAP* map,
                                                             UINT message, UINT code, UINT id,
                                                             unsigned generation) {
    slot = CodedAnswer{map, message, code, id, generation, SearchMaps(map, message, code, id)};
    return slot.entry;
}

inline const AFX_MSGMAP_ENTRY* CachedCodedEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id) {
    const auto key = (reinterpret_cast<uintptr_t>(map) >> 4) ^ message ^ (code * 0x9E3779B1u) ^ (id << 3);
    CodedAnswer& slot = g_codedCache[key % kCodedCacheSize];
    const unsigned generation = afx_internal::g_libraryGeneration;
    if (slot.map == map && slot.message == message && slot.code == code && slot.id == id &&
        slot.generation == generation) [[likely]]
        return slot.entry;
    return SearchAndKeepCoded(slot, map, message, code, id, generation);
}

} // namespace

namespace afx_internal {

CachedEntry g_messageCache[kMessageCacheSize];

const AFX_MSGMAP_ENTRY* SearchAndKeep(CachedEntry& slot, const AFX_MSGMAP* map, UINT message,
                                      unsigned generation) {
    slot = CachedEntry{map, message, generation, SearchMaps(map, message, 0, 0)};
    return slot.entry;
}

} // namespace afx_internal

// Every kept answer is dropped at once by moving the generation on.
void AFXAPI AfxResetMsgCache() {
    ++afx_internal::g_libraryGeneration;
}

// Most derived map first, each map in its written order: the first match wins, so a class's own entry
// hides its base's.
const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    const AFX_MSGMAP* map = GetMessageMap();
    if (nCode != 0 || nID != 0)
        return CachedCodedEntry(map, nMessage, nCode, nID);
    return afx_internal::CachedMessageEntry(map, nMessage);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* /*pExtra*/, AFX_CMDHANDLERINFO* /*pHandlerInfo*/) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, UINT(nCode), nID);
    if (entry == nullptr)
        return FALSE;
    LRESULT ignored = 0;
    entry->pfnDispatch(this, AFX_MSGCALL{WM_COMMAND, MAKEWPARAM(nID, nCode), 0}, &ignored);
    return TRUE;
}
