// The window table, the tree's changes with what they outdate, and the walks every other window
// function uses.
//
// Does NOT: keep windows of other threads or processes.
#include "core/window_tree.h"

#include "core/ui_thread.h"

#include <algorithm>

namespace standin {

thread_local constinit WindowTable::View WindowTree::s_view __attribute__((tls_model("initial-exec")));
WindowTree g_windowTree;

HWND WindowTree::InsertAlone(std::unique_ptr<Window> window) {
    // Windows belong to the UI thread; no other thread can reach the table.
    if (!OnUiThread())
        return nullptr;
    Window* raw = window.get();
    auto value = m_table.Insert(std::move(window));
    s_view = m_table.view();
    if (!value)
        return nullptr;
    raw->m_handle = reinterpret_cast<HWND>(value);
    return raw->m_handle;
}

HWND WindowTree::Insert(std::unique_ptr<Window> window, HWND parent, LONG_PTR id) {
    Window* raw = window.get();
    raw->m_parent = parent;
    raw->m_id = id;
    HWND hwnd = InsertAlone(std::move(window));
    if (!hwnd)
        return nullptr;
    Changed();
    if (Window* p = Find(parent))
        p->m_children.push_back(hwnd);
    else
        m_topLevels.insert(m_topLevels.begin(), hwnd);
    return hwnd;
}

void WindowTree::Unlink(Window& window) {
    Changed();
    if (Window* parent = Find(window.m_parent))
        std::erase(parent->m_children, window.m_handle);
    std::erase(m_topLevels, window.m_handle);
}

std::unique_ptr<Window> WindowTree::Erase(HWND hwnd) {
    if (Window* window = Find(hwnd))
        Unlink(*window);
    return m_table.Erase(hwnd);
}

void WindowTree::SetParent(Window& window, HWND parent) {
    Unlink(window);
    window.m_parent = parent;
    if (Window* p = Find(parent))
        p->m_children.insert(p->m_children.begin(), window.m_handle);
}

void WindowTree::MoveInZOrder(Window& window, HWND after) {
    std::vector<HWND>& siblings = GroupOf(window);
    HWND self = window.m_handle;
    auto it = std::find(siblings.begin(), siblings.end(), self);
    if (it == siblings.end())
        return;
    Changed();
    siblings.erase(it);
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        siblings.insert(siblings.begin(), self);
        return;
    }
    auto at = std::find(siblings.begin(), siblings.end(), after);
    if (after == HWND_BOTTOM || at == siblings.end())
        siblings.push_back(self);
    else
        siblings.insert(at + 1, self);
}

void WindowTree::SetId(Window& window, LONG_PTR id) {
    Changed();
    window.m_id = id;
}

const std::vector<HWND>& WindowTree::SiblingsOf(const Window& window) const {
    Window* parent = Find(window.m_parent);
    return parent ? parent->m_children : m_topLevels;
}

std::vector<HWND>& WindowTree::GroupOf(const Window& window) {
    Window* parent = Find(window.m_parent);
    return parent ? parent->m_children : m_topLevels;
}

void WindowTree::LinkSiblings(const std::vector<HWND>& siblings) {
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (Window* window = Find(siblings[i])) {
            window->m_prevSibling = i > 0 ? siblings[i - 1] : nullptr;
            window->m_nextSibling = i + 1 < siblings.size() ? siblings[i + 1] : nullptr;
            window->m_siblingLinksVersion = m_version;
        }
    }
}

void WindowTree::IndexChildIds(Window& parent) {
    parent.m_childIds.clear();
    parent.m_childIdHandles.clear();
    for (HWND child : parent.m_children) {
        if (Window* c = Find(child)) {
            parent.m_childIds.push_back(static_cast<int>(c->m_id));
            parent.m_childIdHandles.push_back(child);
        }
    }
    parent.m_childIdPlaces.fill(0);
    parent.m_childIdsVersion = m_version;
}

HWND WindowTree::FindChildId(const Window& parent, int id, uint32_t& place) {
    const std::vector<int>& ids = parent.m_childIds;
    auto found = std::find(ids.begin(), ids.end(), id);
    if (found == ids.end())
        return nullptr;
    place = static_cast<uint32_t>(found - ids.begin());
    return parent.m_childIdHandles[place];
}

HWND RootOf(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    while (window && window->Parent()) {
        hwnd = window->Parent();
        window = LookupWindow(hwnd);
    }
    return window ? hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!ancestor || !window)
        return false;
    while (window && window->Parent()) {
        if (window->Parent() == ancestor)
            return true;
        window = LookupWindow(window->Parent());
    }
    return false;
}

bool IsInputEnabled(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return false;
    for (; window; window = LookupWindow(window->Parent()))
        if (window->m_style & WS_DISABLED)
            return false;
    return true;
}

bool IsReallyVisible(const Window& window) {
    for (const Window* w = &window; w; w = LookupWindow(w->Parent()))
        if (!(w->m_style & WS_VISIBLE))
            return false;
    return true;
}

std::vector<HWND> SubtreeOf(HWND hwnd) {
    std::vector<HWND> result;
    Window* window = LookupWindow(hwnd);
    if (!window)
        return result;
    result.push_back(hwnd);
    for (HWND child : window->Children()) {
        auto below = SubtreeOf(child);
        result.insert(result.end(), below.begin(), below.end());
    }
    return result;
}

} // namespace standin
