// One window's state and the tables that reach it from its handle. Every window function looks the
// handle up here first; a stale handle finds nothing and the function fails as Windows does.
//
// Does NOT: keep window properties (SetProp), class extra bytes, or per-window DC (CS_OWNDC) state.
#pragma once

#include "win32/handle_table.h"

#include <windows.h>

#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace standin {

struct WindowClass {
    std::wstring m_name;
    ATOM m_atom = 0;
    UINT m_style = 0;
    WNDPROC m_proc = nullptr;
    int m_windowExtra = 0;
    HINSTANCE m_instance = nullptr;
    HICON m_icon = nullptr;
    HCURSOR m_cursor = nullptr;
    HBRUSH m_background = nullptr;
    int m_liveWindows = 0;
};

// What the dialog manager keeps for a dialog window (class "#32770").
struct DialogData {
    HFONT m_font = nullptr;         // what WM_GETFONT answers
    HFONT m_templateFont = nullptr; // made from the template: deleted when the dialog goes
    bool m_ownsFont = false;
    int m_baseUnitX = 8;
    int m_baseUnitY = 16;
    HWND m_savedFocus = nullptr; // control to give the focus back to when the dialog is activated
    int m_defaultId = 0;
    bool m_ended = false;
    INT_PTR m_result = 0;
};

struct Window {
    HWND m_handle = nullptr;
    std::shared_ptr<WindowClass> m_class;
    WNDPROC m_proc = nullptr;
    HINSTANCE m_instance = nullptr;
    HWND m_parent = nullptr;      // null for top-level windows
    HWND m_owner = nullptr;       // top-level owner of a top-level window
    std::vector<HWND> m_children; // z-order, top first; a new child goes to the bottom
    LONG_PTR m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    std::wstring m_text;
    RECT m_rect{}; // window rectangle in the parent's client coordinates (screen for top-levels)
    LONG_PTR m_userData = 0;
    std::vector<unsigned char> m_extra; // cbWndExtra bytes (DWLP_* for dialogs)
    HICON m_iconSmall = nullptr;
    HICON m_iconBig = nullptr;
    HMENU m_systemMenu = nullptr;
    std::unique_ptr<DialogData> m_dialog;
    bool m_isDesktop = false;
    bool m_destroying = false;
    bool m_captionActive = false;
    int m_pressedFrameButton = 0; // HTCLOSE or HTHELP while the mouse holds it down

    // Update region: one rectangle in client coordinates is enough for this system's painting.
    bool m_dirty = false;
    RECT m_dirtyRect{};
    bool m_erase = false;
    bool m_frameDirty = false;

    cairo_surface_t* m_surface = nullptr; // top-levels: the picture of the whole window

    // GetDlgItem's index of the children: (id, handle) in z-order, valid while the tree's version
    // is the one it was built at. A dialog asks for its controls far more often than they change.
    // The ids sit apart from the handles so that a search reads only the ids.
    std::vector<int> m_childIds;
    std::vector<HWND> m_childIdHandles;
    unsigned long long m_childIdsVersion = 0;   // 0: never built
    std::array<uint32_t, 16> m_childIdPlaces{}; // by id % 16: where that id was last found

    // GetWindow's neighbours of this window in z-order, valid while the tree's version is the one
    // they were linked at (0: never linked).
    HWND m_prevSibling = nullptr;
    HWND m_nextSibling = nullptr;
    unsigned long long m_siblingLinksVersion = 0;
};

// Null for null, stale, foreign or other-thread handles.
// Every window function starts here, dozens of times for one row a dialog formats, so the look-up
// is inline and starts from the thread's own data: the UI thread keeps a view of the window table's
// slots there (renewed by every insertion, the only change that moves them); any other thread keeps
// an empty view and finds no window.
using WindowTable = HandleTable<Window, HandleKind::Window>;
extern thread_local constinit WindowTable::View t_windowView __attribute__((tls_model("initial-exec")));

inline Window* LookupWindow(HWND hwnd) {
    return t_windowView.Find(hwnd);
}
// As LookupWindow, and sets ERROR_INVALID_WINDOW_HANDLE when nothing is found.
inline Window* LookupWindowOrFail(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

// Every change of a window's children (their set, their order) or of a child's id calls TreeChanged;
// what is worked out from the tree is valid while TreeVersion stays the same.
void TreeChanged();
unsigned long long TreeVersion();

HWND InsertWindow(std::unique_ptr<Window> window);
std::unique_ptr<Window> EraseWindow(HWND hwnd);
int LiveWindowCount();                // the desktop is not counted
std::vector<HWND>& TopLevelWindows(); // z-order, top first
HWND DesktopWindow();

// The top-level window that holds hwnd (hwnd itself for a top-level), null when invalid.
HWND RootOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd); // strictly below
// A window and all its ancestors are enabled: only then does mouse and key input reach it.
bool IsInputEnabled(HWND hwnd);
bool IsReallyVisible(const Window& window);
// Pre-order walk of a subtree: hwnd first, then its children in z-order, each with its own children.
std::vector<HWND> SubtreeOf(HWND hwnd);

} // namespace standin
