// Visibility, enabled state, text and the window longs of a window.
//
// ShowWindow sends WM_SHOWWINDOW, changes visibility through SetWindowPos (only the style bit for a
// child of a hidden window) and activates top-level windows unless asked not to (SW_SHOWNOACTIVATE,
// SW_SHOWNA). Text goes through WM_SETTEXT/WM_GETTEXT so that controls can keep their own.
//
// Does NOT: minimise or maximise (SW_MINIMIZE hides nothing and SW_SHOWMAXIMIZED shows the window at
// its size), send WM_STYLECHANGING/WM_STYLECHANGED, or subclass across processes.
#include "win32/internal.h"

#include <algorithm>
#include <cstring>

namespace standin {
namespace {

// The class's extra bytes at `index` read as a T; they must lie wholly inside what the class
// reserved, or the call fails with ERROR_INVALID_INDEX and gives 0.
template <class T> bool ExtraFits(const Window& window, int index) {
    if (index >= 0 && static_cast<size_t>(index) + sizeof(T) <= window.m_extra.size())
        return true;
    SetLastError(ERROR_INVALID_INDEX);
    return false;
}

template <class T> T ReadExtra(const Window& window, int index) {
    T value = 0;
    if (ExtraFits<T>(window, index))
        std::memcpy(&value, window.m_extra.data() + index, sizeof(value));
    return value;
}

// Stores `value` and gives the one it replaces.
template <class T> T SwapExtra(Window& window, int index, T value) {
    T old = 0;
    if (ExtraFits<T>(window, index)) {
        std::memcpy(&old, window.m_extra.data() + index, sizeof(old));
        std::memcpy(window.m_extra.data() + index, &value, sizeof(value));
    }
    return old;
}

} // namespace
} // namespace standin

using namespace standin;

extern "C" {

BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || window->m_isDesktop)
        return FALSE;
    bool wasVisible = (window->m_style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    bool activate = cmd != SW_HIDE && cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWNA &&
                    cmd != SW_SHOWMINNOACTIVE && cmd != SW_MINIMIZE;
    bool topLevel = !window->Parent();
    if (show != wasVisible) {
        SendMessageW(hwnd, WM_SHOWWINDOW, show, 0);
        if (!(window = LookupWindow(hwnd)))
            return wasVisible;
        Window* parent = topLevel ? nullptr : LookupWindow(window->Parent());
        if (parent && !IsReallyVisible(*parent)) {
            // Nothing on screen changes: the style bit is all there is to it, with no
            // WM_WINDOWPOSCHANGED; the parent's showing paints the child later.
            window->m_style = show ? (window->m_style | WS_VISIBLE) : (window->m_style & ~WS_VISIBLE);
        } else {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        }
    }
    if (!LookupWindow(hwnd))
        return wasVisible;
    if (!show) {
        HWND focus = GetFocus();
        if (focus && (focus == hwnd || IsDescendant(hwnd, focus)))
            SetFocus(topLevel ? nullptr : LookupWindow(hwnd)->Parent());
        if (topLevel)
            ActivateOtherWindow(hwnd);
    } else if (activate && topLevel) {
        SetActiveWindow(hwnd);
    }
    return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window && IsReallyVisible(*window);
}

// Returns whether the window was disabled before.
BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return FALSE;
    bool wasDisabled = (window->m_style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable) {
        window->m_style &= ~WS_DISABLED;
    } else {
        window->m_style |= WS_DISABLED;
        // A window that is disabled loses the keyboard focus and the mouse capture.
        HWND focus = GetFocus();
        if (focus && (focus == hwnd || IsDescendant(hwnd, focus)))
            SetFocus(nullptr);
        if (GetCapture() == hwnd)
            ReleaseCapture();
    }
    if (LookupWindow(hwnd))
        SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window && !(window->m_style & WS_DISABLED);
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int count) {
    if (buffer && count > 0)
        buffer[0] = L'\0';
    if (!LookupWindowOrFail(hwnd) || !buffer || count <= 0)
        return 0;
    return static_cast<int>(
        SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthW(HWND hwnd) {
    if (!LookupWindowOrFail(hwnd))
        return 0;
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text) {
    if (!LookupWindowOrFail(hwnd))
        return FALSE;
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return 0;
    // Every control reads its state from its extra bytes on every message it gets.
    if (index >= 0)
        return ReadExtra<LONG_PTR>(*window, index);
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(window->m_style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->m_exStyle);
    case GWLP_ID:
        return window->Id();
    case GWLP_USERDATA:
        return window->m_userData;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->m_proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->m_instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->Parent() ? window->Parent() : window->m_owner);
    default:
        return ReadExtra<LONG_PTR>(*window, index);
    }
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window)
        return 0;
    LONG_PTR old = 0;
    switch (index) {
    case GWL_STYLE:
        old = static_cast<LONG>(window->m_style);
        window->m_style = static_cast<DWORD>(value);
        return old;
    case GWL_EXSTYLE:
        old = static_cast<LONG>(window->m_exStyle);
        window->m_exStyle = static_cast<DWORD>(value);
        return old;
    case GWLP_ID:
        old = window->Id();
        Windows().SetId(*window, value);
        return old;
    case GWLP_USERDATA:
        old = window->m_userData;
        window->m_userData = value;
        return old;
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(window->m_proc);
        if (value)
            window->m_proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HWNDPARENT:
        old = reinterpret_cast<LONG_PTR>(window->m_owner);
        if (!window->Parent())
            window->m_owner = RootOf(reinterpret_cast<HWND>(value));
        return old;
    default:
        return SwapExtra<LONG_PTR>(*window, index, value);
    }
}

// The 32-bit forms reach the same values; in the extra bytes they read and write 4 bytes, and
// pointer-sized values are cut to their low 32 bits, as on 64-bit Windows.
LONG WINAPI GetWindowLongW(HWND hwnd, int index) {
    if (index < 0)
        return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
    Window* window = LookupWindowOrFail(hwnd);
    return window ? ReadExtra<LONG>(*window, index) : 0;
}

LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value) {
    if (index == GWL_STYLE || index == GWL_EXSTYLE)
        return static_cast<LONG>(
            SetWindowLongPtrW(hwnd, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))));
    if (index < 0)
        return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, value));
    Window* window = LookupWindowOrFail(hwnd);
    return window ? SwapExtra<LONG>(*window, index, value) : 0;
}
}
