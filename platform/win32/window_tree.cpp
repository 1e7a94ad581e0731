// The window tree: parents, owners, children in z-order, control ids, and which window lies under a
// point.
//
// WindowFromPoint skips hidden windows, disabled child windows (their parent gets the point, as
// Windows gives a disabled control's mouse input to no one but its parent) and windows that answer
// WM_NCHITTEST with HTTRANSPARENT (a group box lets the radio buttons inside it be found).
// ChildWindowFromPoint, as documented, finds hidden and disabled children too.
//
// Does NOT: support EnumWindows/EnumChildWindows, message-only windows, or re-parenting across
// top-level and child (SetParent only moves a child under another window).
#include "win32/geometry.h"
#include "win32/internal.h"
#include "win32/ui_thread.h"

#include <algorithm>

namespace standin {
namespace {

bool ContainsOnScreen(const Window& window, POINT pt) {
    RECT rect = WindowRectOnScreen(window);
    return PtInRect(&rect, pt);
}

bool IsTransparentAt(HWND hwnd, POINT screen) {
    return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT;
}

// The deepest visible, enabled child of `hwnd` under the point; `hwnd` itself when none is.
HWND DeepestChildAt(HWND hwnd, POINT screen) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return nullptr;
    POINT origin = ClientOriginOnScreen(*window);
    RECT client = ClientRectInWindow(*window);
    RECT clientOnScreen{origin.x, origin.y, origin.x + client.right - client.left,
                        origin.y + client.bottom - client.top};
    if (!PtInRect(&clientOnScreen, screen))
        return hwnd;
    std::vector<HWND> children = window->m_children;
    for (HWND child : children) {
        Window* c = LookupWindow(child);
        if (!c || !(c->m_style & WS_VISIBLE) || (c->m_style & WS_DISABLED) || !ContainsOnScreen(*c, screen))
            continue;
        if (IsTransparentAt(child, screen))
            continue;
        return DeepestChildAt(child, screen);
    }
    return hwnd;
}

// The z-order a window is part of: its parent's children, or the top-level windows.
const std::vector<HWND>& SiblingsOf(const Window& window) {
    if (Window* parent = LookupWindow(window.m_parent))
        return parent->m_children;
    return TopLevelWindows();
}

// Every window of `siblings` learns its neighbours, valid until the tree changes.
[[gnu::noinline]] void LinkSiblings(const std::vector<HWND>& siblings) {
    const unsigned long long version = TreeVersion();
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (Window* window = LookupWindow(siblings[i])) {
            window->m_prevSibling = i > 0 ? siblings[i - 1] : nullptr;
            window->m_nextSibling = i + 1 < siblings.size() ? siblings[i + 1] : nullptr;
            window->m_siblingLinksVersion = version;
        }
    }
}

// Kept out of GetDlgItem, which nearly always finds its index current.
[[gnu::noinline]] void IndexChildIds(Window& window) {
    window.m_childIds.clear();
    window.m_childIdHandles.clear();
    for (HWND child : window.m_children) {
        if (Window* c = LookupWindow(child)) {
            window.m_childIds.push_back(static_cast<int>(c->m_id));
            window.m_childIdHandles.push_back(child);
        }
    }
    window.m_childIdPlaces.fill(0);
    window.m_childIdsVersion = TreeVersion();
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI IsWindow(HWND hwnd) {
    return LookupWindow(hwnd) != nullptr;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
    return IsDescendant(parent, hwnd);
}

// For a child its parent; for a top-level popup its owner, as Windows answers.
HWND WINAPI GetParent(HWND hwnd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return nullptr;
    if (window->m_style & WS_CHILD)
        return window->m_parent;
    if (window->m_style & WS_POPUP)
        return window->m_owner;
    return nullptr;
}

HWND WINAPI SetParent(HWND hwnd, HWND parent) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !window->m_parent || (parent && !LookupWindowOrFail(parent)) || !parent ||
        parent == hwnd || IsDescendant(hwnd, parent)) {
        if (window)
            SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND old = window->m_parent;
    TreeChanged();
    if (Window* oldParent = LookupWindow(old)) {
        auto& siblings = oldParent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
        InvalidateWindow(old, &window->m_rect, RDW_INVALIDATE | RDW_ERASE);
    }
    window->m_parent = parent;
    LookupWindow(parent)->m_children.insert(LookupWindow(parent)->m_children.begin(), hwnd);
    InvalidateWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return old;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return nullptr;
    if (cmd == GW_CHILD) {
        // The top-level windows are the desktop's children, as callers that walk them expect.
        const std::vector<HWND>& children = hwnd == DesktopWindow() ? TopLevelWindows() : window->m_children;
        return children.empty() ? nullptr : children.front();
    }
    if (cmd == GW_OWNER)
        return window->m_owner;
    if (cmd == GW_HWNDNEXT || cmd == GW_HWNDPREV) {
        // Walking a dialog's controls asks for the next one again and again: every window keeps its
        // neighbours, linked again for its whole group after any change of the tree.
        if (window->m_siblingLinksVersion != TreeVersion()) {
            LinkSiblings(SiblingsOf(*window));
            if (window->m_siblingLinksVersion != TreeVersion())
                return nullptr; // not among its siblings (the desktop)
        }
        return cmd == GW_HWNDNEXT ? window->m_nextSibling : window->m_prevSibling;
    }
    const std::vector<HWND>& siblings = SiblingsOf(*window);
    if (siblings.empty())
        return nullptr;
    if (cmd == GW_HWNDFIRST)
        return siblings.front();
    if (cmd == GW_HWNDLAST)
        return siblings.back();
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT flags) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || window->m_isDesktop)
        return nullptr;
    if (flags == GA_PARENT)
        return window->m_parent ? window->m_parent : DesktopWindow();
    if (flags == GA_ROOT)
        return RootOf(hwnd);
    return nullptr;
}

// The first child in z-order with the id, found in the window's index of its children's ids. A
// dialog asks for the same few controls over and over (every data exchange names them all), so the
// place where an id was found is remembered by the id's low bits and tried first.
HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* window = LookupWindowOrFail(dialog);
    if (!window)
        return nullptr;
    if (window->m_childIdsVersion != TreeVersion())
        IndexChildIds(*window);
    const auto& ids = window->m_childIds;
    uint32_t& place = window->m_childIdPlaces[static_cast<unsigned>(id) % window->m_childIdPlaces.size()];
    if (place < ids.size() && ids[place] == id)
        return window->m_childIdHandles[place];
    if (auto found = std::find(ids.begin(), ids.end(), id); found != ids.end()) {
        place = static_cast<uint32_t>(found - ids.begin());
        return window->m_childIdHandles[place];
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !(window->m_style & WS_CHILD))
        return 0;
    return static_cast<int>(window->m_id);
}

HWND WINAPI GetDesktopWindow(void) {
    return DesktopWindow();
}

HWND WINAPI WindowFromPoint(POINT pt) {
    if (!OnUiThread())
        return nullptr;
    std::vector<HWND> tops = TopLevelWindows();
    for (HWND top : tops) {
        Window* window = LookupWindow(top);
        if (!window || !(window->m_style & WS_VISIBLE) || !ContainsOnScreen(*window, pt))
            continue;
        if (IsTransparentAt(top, pt))
            continue;
        return DeepestChildAt(top, pt);
    }
    return nullptr;
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT pt) {
    Window* window = LookupWindowOrFail(parent);
    if (!window)
        return nullptr;
    RECT client = ClientRectInWindow(*window);
    RECT insets = RECT{client.left, client.top, 0, 0};
    RECT whole = window->m_rect;
    OffsetRect(&whole, -whole.left - insets.left, -whole.top - insets.top);
    if (!PtInRect(&whole, pt))
        return nullptr;
    for (HWND child : window->m_children)
        if (Window* c = LookupWindow(child); c && PtInRect(&c->m_rect, pt))
            return child;
    return parent;
}
}
