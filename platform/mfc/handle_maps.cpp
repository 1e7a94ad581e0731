// The handle maps of the MFC subset: which object a window, DC, menu or GDI object belongs to.
//
// There is one user-interface thread, so the maps are process-wide (MFC keeps them per thread). They
// are made on first use and never destroyed, so that objects with static storage in any module (a
// host's CWinApp, a test's dialog) can still reach them while the program ends.
#include "afx_internal.h"
#include "temporary_map.h"

#include <cstdint>
#include <iterator>
#include <unordered_map>

namespace afx_internal {

namespace {

bool WindowAlive(HWND h) {
    return ::IsWindow(h) != FALSE;
}
// A DC that the GDI no longer knows answers 0 for its background mode, as Windows' GDI does.
bool DCAlive(HDC h) {
    return ::GetBkMode(h) != 0;
}
bool MenuAlive(HMENU h) {
    return ::IsMenu(h) != FALSE;
}
template <class H> bool GdiAlive(H h) {
    return ::GetObjectW(reinterpret_cast<HGDIOBJ>(h), 0, nullptr) != 0;
}

struct Maps {
    std::unordered_map<HWND, CWnd*> permanentWindows;
    std::unordered_map<HDC, CDC*> permanentDCs;
    TemporaryMap<HWND, CWnd, &CWnd::m_hWnd> windows{&WindowAlive};
    TemporaryMap<HDC, CDC, &CDC::m_hDC> dcs{&DCAlive};
    TemporaryMap<HMENU, CMenu, &CMenu::m_hMenu> menus{&MenuAlive};
    TemporaryMap<HGDIOBJ, CGdiObject, &CGdiObject::m_hObject> gdiObjects{&GdiAlive<HGDIOBJ>};
    TemporaryMap<HBRUSH, CBrush, &CGdiObject::m_hObject> brushes{&GdiAlive<HBRUSH>};
    TemporaryMap<HFONT, CFont, &CGdiObject::m_hObject> fonts{&GdiAlive<HFONT>};
    TemporaryMap<HPEN, CPen, &CGdiObject::m_hObject> pens{&GdiAlive<HPEN>};
};

Maps& TheMaps() {
    static Maps* maps = new Maps;
    return *maps;
}

} // namespace

// Read on every message: initial-exec keeps the read to one instruction (the library is loaded with
// the program, never opened later).
ThreadState& Thread() {
    static thread_local ThreadState state __attribute__((tls_model("initial-exec")));
    return state;
}

const MSG& CurrentMessage() {
    static const MSG none{};
    const MSG* current = Thread().currentMsg;
    return current != nullptr ? *current : none;
}

void MapPermanentWindow(HWND hWnd, CWnd* pWnd) {
    TheMaps().permanentWindows[hWnd] = pWnd;
    RecentSlot(hWnd) = RecentWindow{hWnd, pWnd};
}
void UnmapPermanentWindow(HWND hWnd) {
    TheMaps().permanentWindows.erase(hWnd);
    if (RecentSlot(hWnd).hWnd == hWnd)
        RecentSlot(hWnd) = RecentWindow{};
}
RecentWindow g_recentWindows[kRecentWindows];

CWnd* PermanentWindowFromMap(HWND hWnd) {
    RecentWindow& recent = RecentSlot(hWnd);
    auto& map = TheMaps().permanentWindows;
    auto found = map.find(hWnd);
    CWnd* pWnd = found == map.end() ? nullptr : found->second;
    recent = RecentWindow{hWnd, pWnd};
    return pWnd;
}
CWnd* TemporaryWindow(HWND hWnd) {
    return TheMaps().windows.Get(hWnd);
}

void MapPermanentDC(HDC hDC, CDC* pDC) {
    TheMaps().permanentDCs[hDC] = pDC;
}
void UnmapPermanentDC(HDC hDC) {
    TheMaps().permanentDCs.erase(hDC);
}
CDC* PermanentDC(HDC hDC) {
    auto& map = TheMaps().permanentDCs;
    auto found = map.find(hDC);
    return found == map.end() ? nullptr : found->second;
}
CDC* TemporaryDC(HDC hDC) {
    return TheMaps().dcs.Get(hDC);
}

CMenu* TemporaryMenu(HMENU hMenu) {
    return TheMaps().menus.Get(hMenu);
}
CGdiObject* TemporaryGdiObject(HGDIOBJ hObject) {
    return TheMaps().gdiObjects.Get(hObject);
}
CBrush* TemporaryBrush(HBRUSH hBrush) {
    return TheMaps().brushes.Get(hBrush);
}
CFont* TemporaryFont(HFONT hFont) {
    return TheMaps().fonts.Get(hFont);
}
CPen* TemporaryPen(HPEN hPen) {
    return TheMaps().pens.Get(hPen);
}

} // namespace afx_internal
