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
        return SearchMaps(map, nMessage, nCode, nID);
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
