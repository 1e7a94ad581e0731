// What the Windows stand-in offers beyond Windows: the observations and switches that tests, the
// simulated user and the host program need. Components never include this header.
//
// On Windows the same observations come from the `standin_hooks` DLL (platform/hooks_windows), which
// watches the real system: link it and include this header, nothing else. It sees the calls that the
// program's own modules (the executable and the DLLs beside it) make to the system DLLs, answers real
// message boxes and popup menus, and reads the real clipboard and window pixels. What only the
// stand-in can do (SetIdleHook, RenderWindowSurface) is declared for Linux alone.
#pragma once

#include <windows.h>

#if defined(_WIN32) && defined(STANDIN_HOOKS_BUILDING)
#define STANDIN_API __declspec(dllexport)
#elif defined(_WIN32)
#define STANDIN_API __declspec(dllimport)
#else
#define STANDIN_API WINBASEAPI
#endif

#include <functional>
#include <string>
#include <vector>

namespace standin {

// ---- fixed metrics (documented, independent of installed fonts) -------------------------------------
// Virtual screen 1280x1024. Sizing frame 4 px (SM_CXFRAME), caption 19 px (SM_CYCAPTION: the 18 px bar
// and the 1 px line under it), so a captioned window with a sizing border is its client + 8 px wide and
// + 27 px tall. Dialog base units 6x12 for the 9-point Japanese dialog font at 96 dpi (scaled linearly
// with the point size), so a 249x135 DLU template gives a 374x203 client area (MulDiv(249, 6, 4) = 374,
// MulDiv(135, 12, 8) = 203 (202.5 up)). The full list is in platform/core/metrics.h.
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

// ---- live objects ---------------------------------------------------------------------------------
struct LiveObjects {
    int fonts = 0;
    int brushes = 0;
    int pens = 0;
    int dcs = 0;
    int icons = 0;
    int menus = 0;
    int windows = 0;
};
STANDIN_API LiveObjects CountLiveObjects();

// ---- message boxes --------------------------------------------------------------------------------
struct MessageBoxRecord {
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT flags = 0;
    int answer = 0;
    bool defaulted = false; // no answer was queued: the default button answered
};
// The next message box takes this answer (IDOK, IDYES, ...). Answers are used in order.
STANDIN_API void QueueMessageBoxAnswer(int answer);
STANDIN_API std::vector<MessageBoxRecord> MessageBoxes();
STANDIN_API void ClearMessageBoxes();
// Called for every box after it has been answered (the host program prints it).
STANDIN_API void SetMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer);

// ---- popup menus ----------------------------------------------------------------------------------
struct MenuEntry {
    UINT command = 0;
    std::wstring text;
    bool separator = false;
    bool grayed = false;
};
struct MenuRecord {
    HWND owner = nullptr;
    POINT at{};
    UINT flags = 0;
    std::vector<MenuEntry> entries;
    UINT chosen = 0; // 0: dismissed
};
// The next TrackPopupMenu picks this command (0 dismisses). A grayed or absent command cannot be
// picked: the menu is then dismissed, as a click on a grayed entry closes nothing and Esc follows.
STANDIN_API void QueueMenuChoice(UINT command);
STANDIN_API std::vector<MenuRecord> Menus();
STANDIN_API void ClearMenus();
STANDIN_API void SetMenuObserver(std::function<void(const MenuRecord&)> observer);

// ---- clipboard ------------------------------------------------------------------------------------
STANDIN_API void SetClipboardOpenFails(bool fails);
STANDIN_API std::wstring ClipboardText(); // CF_UNICODETEXT as it stands, "" when none
// Called with the new text whenever CF_UNICODETEXT is set (the live display forwards it to the desktop).
STANDIN_API void SetClipboardObserver(std::function<void(const std::wstring&)> observer);

// ---- faults ---------------------------------------------------------------------------------------
enum class Fault { CreateFont, CreateSolidBrush, GlobalAlloc, GlobalLock, SetClipboardData };
// The next `count` calls of the function fail as Windows reports failure (a null handle or address;
// SetClipboardData keeps no data and leaves the memory with the caller).
STANDIN_API void FailNext(Fault fault, int count = 1);

// ---- interactive modal loops ----------------------------------------------------------------------
// With a person at a live display, message boxes and popup menus run as real windows in a nested
// loop. The display installs this provider; without it (headless) queued answers or defaults apply.
// On Windows the provider is asked while the real box or menu is up, and its answer is pressed.
struct InteractiveModal {
    virtual ~InteractiveModal() = default;
    virtual int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) = 0;
    virtual UINT popupMenu(HWND owner, POINT at, const std::vector<MenuEntry>& entries) = 0; // 0 = dismissed
};
STANDIN_API void SetInteractiveModal(InteractiveModal* provider);

#ifndef _WIN32
// ---- a person's input -----------------------------------------------------------------------------
// The stand-in has no keyboard or mouse: a live display and the simulated user post what a person's
// devices would make with this instead of PostMessageW. Taken from the queue, such a message moves the
// key and button state (GetKeyState, a client mouse message's MK_ bits included) and the pointer, and
// it never reaches a window that input cannot reach (disabled, or inside a disabled one): it goes
// nowhere then, as Windows routes its hardware input. PostMessageW's messages do neither, as on Windows.
// Null `hwnd` is a key that no window hears, whose state still changes.
STANDIN_API BOOL PostInputMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- waiting for input ----------------------------------------------------------------------------
// Called by GetMessageW (and by nested loops) when the queue is empty, so that a live display can turn
// a person's input into messages. The hook may wait up to `waitMs` (INFINITE: no timer is set) for
// input, and must return by then, when the next timer is due. Without it, GetMessageW waits as Windows
// does, and nested loops (border drags, caption buttons) end when their queued input is used up. Null
// removes the hook.
STANDIN_API void SetIdleHook(std::function<void(DWORD waitMs)> hook);
// How long until the thread's next timer is due: 0 when one is due now, INFINITE when none is set. A
// loop that waits for other input as well (a live display) waits no longer than this.
STANDIN_API DWORD MillisecondsToNextTimer();

// ---- pixels ---------------------------------------------------------------------------------------
// Paints the top-level window that holds `hwnd` (frame, caption and every visible child, each control
// painting itself through WM_PAINT as on Windows) into a new ARGB32 cairo image of its outer size,
// and returns it (caller destroys with cairo_surface_destroy). Declared as void* so that this header
// does not pull cairo in.
STANDIN_API void* RenderWindowSurface(HWND hwnd);
// The picture of the top-level window that holds `hwnd` as its own painting left it, without painting
// anything: what a screen shows of it. Null when there is none. A display calls UpdateWindow first.
STANDIN_API void* ShownWindowSurface(HWND hwnd);
#endif

// The same picture as colours, for looking at many pixels without cairo: row by row from the top-left
// corner of the top-level window's outer rectangle. Empty (0 x 0) when there is no window to picture.
struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { // CLR_INVALID outside
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CLR_INVALID;
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};
STANDIN_API WindowPicture TakeWindowPicture(HWND hwnd);
// The colour of one pixel of `hwnd` at client coordinates (x, y), after a full repaint.
STANDIN_API COLORREF ReadPixel(HWND hwnd, int x, int y);
// Resets the recorded boxes, menus, queued answers, faults and clipboard switch (between tests).
STANDIN_API void ResetRecords();

} // namespace standin
