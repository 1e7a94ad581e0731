// One window's record: its class, styles, text, rectangle, paint state and its place in the tree.
// The tree (window_tree.h) reaches it from its handle and is the only one to change that place.
//
// Does NOT: keep window properties (SetProp), class extra bytes, or per-window DC (CS_OWNDC) state.
#pragma once

#include <windows.h>

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

class WindowTree;
struct WindowSurface; // what gdi paints a top-level window into; opaque outside gdi

struct Window {
    HWND m_handle = nullptr;
    std::shared_ptr<WindowClass> m_class;
    WNDPROC m_proc = nullptr;
    HINSTANCE m_instance = nullptr;
    HWND m_owner = nullptr; // top-level owner of a top-level window
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

    // Update region, in client coordinates: the rectangles marked since the last paint (while
    // m_dirty), and their bounding box, which GetUpdateRect and PAINTSTRUCT::rcPaint give.
    bool m_dirty = false;
    RECT m_dirtyRect{};
    std::vector<RECT> m_dirtyParts;
    bool m_erase = false;
    bool m_frameDirty = false;

    WindowSurface* m_surface = nullptr; // top-levels: the picture of the whole window

    // The window's place in the tree, read here and changed only through the WindowTree, which keeps
    // what is worked out from it right.
    HWND Parent() const { return m_parent; }                         // null for top-level windows
    const std::vector<HWND>& Children() const { return m_children; } // z-order, top first
    LONG_PTR Id() const { return m_id; }

private:
    friend class WindowTree;

    HWND m_parent = nullptr;
    std::vector<HWND> m_children; // a new child goes to the bottom
    LONG_PTR m_id = 0;

    // What the tree works out for this window, each valid while the tree's version is the one it
    // was made at (0: never). GetDlgItem's index of the children: (id, handle) in z-order; a dialog
    // asks for its controls far more often than they change. The ids sit apart from the handles so
    // that a search reads only the ids, and where an id was last found is kept by id % 16.
    std::vector<int> m_childIds;
    std::vector<HWND> m_childIdHandles;
    unsigned long long m_childIdsVersion = 0;
    std::array<uint32_t, 16> m_childIdPlaces{};
    // GetWindow's neighbours of this window in z-order.
    HWND m_prevSibling = nullptr;
    HWND m_nextSibling = nullptr;
    unsigned long long m_siblingLinksVersion = 0;
};

} // namespace standin
