// CreateWindowExW and DestroyWindow in Windows' order of messages.
//
// Creation: WH_CBT HCBT_CREATEWND, WM_NCCREATE (DefWindowProc keeps the title), WM_CREATE, then WM_SIZE
// and WM_MOVE, then ShowWindow(SW_SHOW) when WS_VISIBLE was asked for. A refusal at any step sends only
// WM_NCDESTROY.
// Destruction: owned windows first, the window hidden, WM_DESTROY to the window and then down its
// children, WM_NCDESTROY children first and the window last; the handle dies after its WM_NCDESTROY.
//
// Does NOT: send WM_GETMINMAXINFO or WM_NCCALCSIZE at creation, WM_PARENTNOTIFY, or create windows
// for another thread (such a call fails with ERROR_ACCESS_DENIED).
#include "core/geometry.h"
#include "gdi/gdi.h"
#include "win32/internal.h"
#include "core/metrics.h"
#include "core/ui_thread.h"
#include "win32/window_classes.h"

#include <algorithm>

namespace standin {
namespace {

// The last steps of a window: its children's WM_NCDESTROY, its own, then the handle dies.
void FinishDestroy(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return;
    std::vector<HWND> children = window->Children();
    for (HWND child : children)
        FinishDestroy(child);
    if (!LookupWindow(hwnd))
        return;
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    window = LookupWindow(hwnd);
    if (!window)
        return;
    ForgetWindowInput(hwnd);
    KillWindowTimers(hwnd);
    ReleaseDialogData(*window);
    ReleaseWindowSurface(*window);
    if (window->m_systemMenu)
        DestroyMenu(window->m_systemMenu);
    window->m_class->m_liveWindows--;
    Windows().Erase(hwnd);
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                            LPVOID param) {
    if (!OnUiThread()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    auto cls = FindClass(instance, className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent == DesktopWindow())
        parent = nullptr;
    if (parent && !LookupWindow(parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    bool child = (style & WS_CHILD) != 0;
    if (child && !parent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (!child) {
        if (x == CW_USEDEFAULT) {
            x = metrics::kDefaultX;
            y = metrics::kDefaultY;
        }
        if (width == CW_USEDEFAULT) {
            width = metrics::kDefaultWidth;
            height = metrics::kDefaultHeight;
        }
        if (!(style & WS_POPUP))
            style |= WS_CLIPSIBLINGS | WS_CAPTION; // an overlapped window always has a caption
    } else {
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (width == CW_USEDEFAULT)
            width = height = 0;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);

    auto window = std::make_unique<Window>();
    window->m_class = cls;
    window->m_proc = cls->m_proc;
    window->m_instance = instance;
    window->m_owner = child ? nullptr : RootOf(parent);
    bool showAtEnd = (style & WS_VISIBLE) != 0;
    window->m_style = style & ~WS_VISIBLE;
    window->m_exStyle = exStyle;
    window->m_rect = RECT{x, y, x + width, y + height};
    window->m_extra.assign(static_cast<size_t>(cls->m_windowExtra), 0);
    HWND hwnd =
        Windows().Insert(std::move(window), child ? parent : nullptr, reinterpret_cast<LONG_PTR>(menuOrId));
    if (!hwnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    cls->m_liveWindows++;

    CREATESTRUCTW cs{param,      instance,  menuOrId, parent, height, width, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    CBT_CREATEWNDW cbt{&cs, HWND_TOP};
    if (CallCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt))) {
        FinishDestroy(hwnd);
        return nullptr;
    }
    InvalidateWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        FinishDestroy(hwnd);
        return nullptr;
    }
    // A refused WM_CREATE ends the window as a refused WM_NCCREATE does: it hears WM_NCDESTROY alone,
    // never WM_DESTROY (Windows' and Wine's order).
    if (!LookupWindow(hwnd) || SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        FinishDestroy(hwnd);
        return nullptr;
    }
    Window* created = LookupWindow(hwnd);
    if (!created)
        return nullptr;
    RECT client = ClientRectInWindow(*created);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(client.right - client.left, client.bottom - client.top));
    if ((created = LookupWindow(hwnd))) {
        RECT inWindow = ClientRectInWindow(*created);
        SendMessageW(hwnd, WM_MOVE, 0,
                     MAKELPARAM(created->m_rect.left + inWindow.left, created->m_rect.top + inWindow.top));
    }
    if (showAtEnd && LookupWindow(hwnd))
        ShowWindow(hwnd, SW_SHOW);
    return LookupWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return FALSE;
    if (window->m_isDesktop) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (window->m_destroying)
        return TRUE; // already on its way: a second call from a WM_DESTROY handler changes nothing
    if (CallCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0))
        return FALSE;

    std::vector<HWND> owned;
    for (HWND top : Windows().TopLevelWindows())
        if (Window* w = LookupWindow(top); w && w->m_owner == hwnd)
            owned.push_back(top);
    for (HWND top : owned)
        DestroyWindow(top);

    window = LookupWindow(hwnd);
    if (!window)
        return TRUE;
    if (window->m_style & WS_VISIBLE)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!window->Parent())
        ActivateOtherWindow(hwnd);

    std::vector<HWND> subtree = SubtreeOf(hwnd);
    for (HWND h : subtree) {
        if (Window* w = LookupWindow(h)) {
            w->m_destroying = true;
            ForgetWindowInput(h);
        }
    }
    for (HWND h : subtree)
        if (LookupWindow(h))
            SendMessageW(h, WM_DESTROY, 0, 0);
    FinishDestroy(hwnd);
    return TRUE;
}
}
