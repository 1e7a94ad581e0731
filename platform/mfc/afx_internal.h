// What the MFC subset's sources share and nobody else sees: the per-thread dispatch state and the
// handle maps.
#pragma once

#include <afxwin.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace afx_internal {

// Per thread, as MFC keeps it: the message AfxWndProc is dispatching (for CWnd::Default), the object
// waiting for the window it is creating, and the window whose control notifications UpdateData mutes.
struct ThreadState {
    const MSG* currentMsg = nullptr; // the message AfxWndProc is delivering, on its stack frame
    CWnd* pWndInit = nullptr;
    HWND hLockoutNotifyWindow = nullptr;
    HHOOK hCreationHook = nullptr;
};
ThreadState& Thread();
// The message AfxWndProc is delivering; outside of one, a message with every field 0.
const MSG& CurrentMessage();

// Sets a pointer-sized thread-state field for a scope and puts the old value back on every way out.
template <class T> class ScopedSet {
public:
    ScopedSet(T& field, T value) : m_field(field), m_old(field) { m_field = value; }
    ~ScopedSet() { m_field = m_old; }
    ScopedSet(const ScopedSet&) = delete;
    ScopedSet& operator=(const ScopedSet&) = delete;

private:
    T& m_field;
    T m_old;
};

// What CWinApp::ProcessWndProcException does by default; also the answer where a program has no
// application object.
LRESULT DefaultWndProcException(CException* e, const MSG& message);

// While it lives, the next window made on this thread is subclassed into pWnd as soon as it exists,
// before its first message (a CBT hook, as MFC's creation hook). Should the window manager refuse the
// hook, AfxWndProc and AfxDlgProc attach the window at its first message instead.
class CreationScope {
public:
    explicit CreationScope(CWnd* pWnd);
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

private:
    ScopedSet<CWnd*> m_pending;
};

// The text a Windows call copies into a caller's buffer, given its length first: one buffer of that
// length (and the terminator), cut to what was copied.
template <class CopyInto> CString TextOfLength(int length, CopyInto copyInto) {
    if (length < 0)
        return CString();
    std::wstring text(size_t(length) + 1, L'\0');
    int copied = copyInto(text.data(), length + 1);
    text.resize(size_t(copied < 0 ? 0 : copied < length ? copied : length));
    return CString(text);
}

// ---- the libraries' code ------------------------------------------------------------------------------
// Moves on whenever a library's code leaves the process (see AfxExtensionUnloaded). What is kept from
// a library's data is stale once it has moved on: the message cache's answers point into message
// maps, so each answer carries the generation it was found in and is used only while it is current.
extern unsigned g_libraryGeneration;

// ---- the message cache ----------------------------------------------------------------------------------
// A window message (no code, no id) is looked up for every message a window gets, and most are in
// no map at all. Maps never change while their library is loaded, so the answer for a (map, message)
// pair is kept, as MFC keeps its message cache, with the library generation it was found in. The
// kept answer is read inline by OnWndMsg, the one question every message asks. Like the handle maps,
// the table serves the one user-interface thread.
struct CachedEntry {
    const AFX_MSGMAP* map = nullptr;
    UINT message = 0;
    unsigned generation = 0; // never current: g_libraryGeneration starts at 1
    const AFX_MSGMAP_ENTRY* entry = nullptr;
};
constexpr size_t kMessageCacheSize = 256;
extern CachedEntry g_messageCache[kMessageCacheSize];
// Searches the maps and keeps the answer in the slot; apart from the kept answer's reading, so that
// stays a few instructions.
[[gnu::noinline]] const AFX_MSGMAP_ENTRY* SearchAndKeep(CachedEntry& slot, const AFX_MSGMAP* map,
                                                        UINT message, unsigned generation);
inline const AFX_MSGMAP_ENTRY* CachedMessageEntry(const AFX_MSGMAP* map, UINT message) {
    const auto key = reinterpret_cast<uintptr_t>(map) >> 4 ^ message;
    CachedEntry& slot = g_messageCache[key % kMessageCacheSize];
    const unsigned generation = g_libraryGeneration;
    if (slot.map == map && slot.message == message && slot.generation == generation) [[likely]]
        return slot.entry;
    return SearchAndKeep(slot, map, message, generation);
}

// ---- handle maps ----------------------------------------------------------------------------------------
// Permanent objects are the caller's; the maps only point at them.
void MapPermanentWindow(HWND hWnd, CWnd* pWnd);
void UnmapPermanentWindow(HWND hWnd);
CWnd* TemporaryWindow(HWND hWnd);

// Every message to a window of an object asks which object that is, and a dialog's work talks to a
// handful of windows over and over: their answers (objects or none) are kept in a few slots by the
// handle's low bits, which hold its table index. MapPermanentWindow and UnmapPermanentWindow keep
// the slots exact; a slot that holds another handle sends the question to the map.
struct RecentWindow {
    HWND hWnd = nullptr;
    CWnd* pWnd = nullptr;
};
constexpr size_t kRecentWindows = 16;
extern RecentWindow g_recentWindows[kRecentWindows];
inline RecentWindow& RecentSlot(HWND hWnd) {
    return g_recentWindows[reinterpret_cast<uintptr_t>(hWnd) % kRecentWindows];
}
CWnd* PermanentWindowFromMap(HWND hWnd); // and remembers the answer in its slot
inline CWnd* PermanentWindow(HWND hWnd) {
    const RecentWindow& recent = RecentSlot(hWnd);
    if (recent.hWnd == hWnd && hWnd != nullptr)
        return recent.pWnd;
    return PermanentWindowFromMap(hWnd);
}

void MapPermanentDC(HDC hDC, CDC* pDC);
void UnmapPermanentDC(HDC hDC);
CDC* PermanentDC(HDC hDC);
CDC* TemporaryDC(HDC hDC);

CMenu* TemporaryMenu(HMENU hMenu);
CGdiObject* TemporaryGdiObject(HGDIOBJ hObject);
CBrush* TemporaryBrush(HBRUSH hBrush);
CFont* TemporaryFont(HFONT hFont);
CPen* TemporaryPen(HPEN hPen);

// After a window's last message (WM_NCDESTROY) has been dispatched to its object.
void AfterLastMessage(HWND hWnd, CWnd* pWnd);

// The message a child's permanent object sees first (reflection); TRUE when it took it.
BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

} // namespace afx_internal
