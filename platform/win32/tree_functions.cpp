// The Windows functions over the window tree: parents, owners, children in z-order, control ids,
// and which window lies under a point.
//
// WindowFromPoint skips hidden windows, disabled child windows (their parent gets the point, as
// Windows gives a disabled control's mouse input to no one but its parent) and windows that answer
// WM_NCHITTEST with HTTRANSPARENT (a group box lets the radio buttons inside it be found).
// ChildWindowFromPoint, as documented, finds hidden and disabled children too.
//
// Does NOT: support EnumWindows/EnumChildWindows, message-only windows, or re-parenting across
// top-level and child (SetParent only moves a child under another window).
#include "core/geometry.h"
#include "win32/internal.h"
#include "core/ui_thread.h"

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
    std::vector<HWND> children = window->Children();
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
        return window->Parent();
    if (window->m_style & WS_POPUP)
        return window->m_owner;
    return nullptr;
}

HWND WINAPI SetParent(HWND hwnd, HWND parent) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !window->Parent() || (parent && !LookupWindowOrFail(parent)) || !parent ||
        parent == hwnd || IsDescendant(hwnd, parent)) {
        if (window)
            SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND old = window->Parent();
    Windows().SetParent(*window, parent);
    if (LookupWindow(old))
        InvalidateWindow(old, &window->m_rect, RDW_INVALIDATE | RDW_ERASE);
    InvalidateWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return old;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return nullptr;
    if (cmd == GW_CHILD) {
        // The top-level windows are the desktop's children, as callers that walk them expect.
        const std::vector<HWND>& children =
            hwnd == DesktopWindow() ? Windows().TopLevelWindows() : window->Children();
        return children.empty() ? nullptr : children.front();
    }
    if (cmd == GW_OWNER)
        return window->m_owner;
    if (cmd == GW_HWNDNEXT)
        return Windows().NextSibling(*window);
    if (cmd == GW_HWNDPREV)
        return Windows().PreviousSibling(*window);
    const std::vector<HWND>& siblings = Windows().SiblingsOf(*window);
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
        return window->Parent() ? window->Parent() : DesktopWindow();
    if (flags == GA_ROOT)
        return RootOf(hwnd);
    return nullptr;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* window = LookupWindowOrFail(dialog);
    if (!window)
        return nullptr;
    if (HWND item = Windows().ChildWithId(*window, id))
        return item;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !(window->m_style & WS_CHILD))
        return 0;
    return static_cast<int>(window->Id());
}

HWND WINAPI GetDesktopWindow(void) {
    return DesktopWindow();
}

HWND WINAPI WindowFromPoint(POINT pt) {
    if (!OnUiThread())
        return nullptr;
    std::vector<HWND> tops = Windows().TopLevelWindows();
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
    for (HWND child : window->Children())
        if (Window* c = LookupWindow(child); c && PtInRect(&c->m_rect, pt))
            return child;
    return parent;
}
}
