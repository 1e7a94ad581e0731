// The UI thread's windows: the table that turns a handle into its window, the tree of parents and
// children with each group's z-order, and what is worked out from them: each window's index of its
// children's ids (GetDlgItem), its z-order neighbours (GetWindow), and the thread's view of the
// table (every look-up). Every change of the tree is made here, and each one renews or outdates what
// depends on it, so no caller has anything to remember.
//
// Does NOT: know the desktop (it is a window outside the tree), send messages, or invalidate: the
// window manager does both around the changes it asks for.
#pragma once

#include "core/handle_table.h"
#include "core/window.h"

#include <memory>
#include <vector>

namespace standin {

using WindowTable = HandleTable<Window, HandleKind::Window>;

class WindowTree {
public:
    // Null for null, stale, foreign or other-thread handles. Every window function starts here,
    // dozens of times for one row a dialog formats, so the look-up is inline and starts from the
    // thread's own data: the UI thread keeps a view of the table's slots there (renewed by every
    // insertion, the only change that moves them); any other thread keeps an empty view and finds
    // no window.
    static Window* Find(HWND hwnd) { return s_view.Find(hwnd); }

    // A new window goes to the bottom of `parent`'s children, or on top of the top-level windows
    // when `parent` is null. Null when the table is full, or off the UI thread.
    HWND Insert(std::unique_ptr<Window> window, HWND parent, LONG_PTR id);
    // A window in the table and in no group's z-order: the desktop.
    HWND InsertAlone(std::unique_ptr<Window> window);
    // The window leaves its group and the table; its handle is dead from now on.
    std::unique_ptr<Window> Erase(HWND hwnd);
    int Count() const { return m_table.Count(); }

    // A child moves under another window, on top of its new siblings.
    void SetParent(Window& window, HWND parent);
    // HWND_TOP, HWND_TOPMOST and HWND_NOTOPMOST put the window first; HWND_BOTTOM, or a window
    // that is not a sibling, last; any other sibling has it just below.
    void MoveInZOrder(Window& window, HWND after);
    void SetId(Window& window, LONG_PTR id);

    const std::vector<HWND>& TopLevelWindows() const { return m_topLevels; }
    // The z-order a window is part of: its parent's children, or the top-level windows.
    const std::vector<HWND>& SiblingsOf(const Window& window) const;

    // The first child in z-order with the id; null when none has it. A dialog asks for the same few
    // controls over and over (every data exchange names them all), so the place where an id was
    // found is tried first.
    HWND ChildWithId(Window& parent, int id) {
        if (parent.m_childIdsVersion != m_version)
            IndexChildIds(parent);
        const std::vector<int>& ids = parent.m_childIds;
        uint32_t& place = parent.m_childIdPlaces[static_cast<unsigned>(id) % parent.m_childIdPlaces.size()];
        if (place < ids.size() && ids[place] == id)
            return parent.m_childIdHandles[place];
        return FindChildId(parent, id, place);
    }
    // The neighbours in z-order: walking a dialog's controls asks for the next one again and again.
    // A window in no group (the desktop) has none.
    HWND NextSibling(Window& window) { return LinkedSiblings(window) ? window.m_nextSibling : nullptr; }
    HWND PreviousSibling(Window& window) { return LinkedSiblings(window) ? window.m_prevSibling : nullptr; }

private:
    // Every change of a group (its set, its order) or of an id outdates what was worked out.
    void Changed() { ++m_version; }
    void Unlink(Window& window);
    std::vector<HWND>& GroupOf(const Window& window);
    bool LinkedSiblings(Window& window) {
        if (window.m_siblingLinksVersion != m_version)
            LinkSiblings(SiblingsOf(window));
        return window.m_siblingLinksVersion == m_version;
    }
    // The slow ways, kept out of the look-ups that nearly always find their answer kept.
    [[gnu::noinline]] void LinkSiblings(const std::vector<HWND>& siblings);
    [[gnu::noinline]] void IndexChildIds(Window& parent);
    [[gnu::noinline]] HWND FindChildId(const Window& parent, int id, uint32_t& place);

    static thread_local constinit WindowTable::View s_view __attribute__((tls_model("initial-exec")));

    WindowTable m_table;
    std::vector<HWND> m_topLevels; // z-order, top first
    unsigned long long m_version = 1;
};

// The one tree of the process, the UI thread's.
extern WindowTree g_windowTree;
inline WindowTree& Windows() {
    return g_windowTree;
}

inline Window* LookupWindow(HWND hwnd) {
    return WindowTree::Find(hwnd);
}
// As LookupWindow, and sets ERROR_INVALID_WINDOW_HANDLE when nothing is found.
inline Window* LookupWindowOrFail(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

// The top-level window that holds hwnd (hwnd itself for a top-level), null when invalid.
HWND RootOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd); // strictly below
// A window and all its ancestors are enabled: only then does mouse and key input reach it.
bool IsInputEnabled(HWND hwnd);
bool IsReallyVisible(const Window& window);
// Pre-order walk of a subtree: hwnd first, then its children in z-order, each with its own children.
std::vector<HWND> SubtreeOf(HWND hwnd);

} // namespace standin
