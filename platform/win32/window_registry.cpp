// The window table and the tree walks that every other window function uses.
//
// Does NOT: keep windows of other threads or processes; the desktop is a window of this table that
// stands for the whole virtual screen and has no picture of its own.
#include "win32/handle_table.h"
#include "win32/metrics.h"
#include "win32/ui_thread.h"
#include "win32/window.h"

namespace standin {
namespace {

WindowTable& Table() {
    static WindowTable table;
    return table;
}

HWND g_desktop = nullptr;
unsigned long long g_treeVersion = 1;

} // namespace

thread_local constinit WindowTable::View t_windowView __attribute__((tls_model("initial-exec")));

void TreeChanged() {
    ++g_treeVersion;
}

unsigned long long TreeVersion() {
    return g_treeVersion;
}

HWND InsertWindow(std::unique_ptr<Window> window) {
    // Windows belong to the UI thread; no other thread can reach the table.
    if (!OnUiThread())
        return nullptr;
    Window* raw = window.get();
    auto value = Table().Insert(std::move(window));
    t_windowView = Table().view();
    if (!value)
        return nullptr;
    raw->m_handle = reinterpret_cast<HWND>(value);
    return raw->m_handle;
}

std::unique_ptr<Window> EraseWindow(HWND hwnd) {
    TreeChanged();
    return Table().Erase(hwnd);
}

int LiveWindowCount() {
    return Table().Count() - (g_desktop ? 1 : 0);
}

std::vector<HWND>& TopLevelWindows() {
    static std::vector<HWND> windows;
    return windows;
}

HWND DesktopWindow() {
    if (g_desktop || !OnUiThread())
        return g_desktop;
    auto desktopClass = std::make_shared<WindowClass>();
    desktopClass->m_name = L"#32769";
    desktopClass->m_proc = DefWindowProcW;
    auto desktop = std::make_unique<Window>();
    desktop->m_class = desktopClass;
    desktop->m_proc = DefWindowProcW;
    desktop->m_style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    desktop->m_rect = RECT{0, 0, metrics::kScreenWidth, metrics::kScreenHeight};
    desktop->m_isDesktop = true;
    g_desktop = InsertWindow(std::move(desktop));
    return g_desktop;
}

HWND RootOf(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    while (window && window->m_parent) {
        hwnd = window->m_parent;
        window = LookupWindow(hwnd);
    }
    return window ? hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!ancestor || !window)
        return false;
    while (window && window->m_parent) {
        if (window->m_parent == ancestor)
            return true;
        window = LookupWindow(window->m_parent);
    }
    return false;
}

bool IsInputEnabled(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (!window)
        return false;
    for (; window; window = LookupWindow(window->m_parent))
        if (window->m_style & WS_DISABLED)
            return false;
    return true;
}

bool IsReallyVisible(const Window& window) {
    for (const Window* w = &window; w; w = LookupWindow(w->m_parent))
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
    for (HWND child : window->m_children) {
        auto below = SubtreeOf(child);
        result.insert(result.end(), below.begin(), below.end());
    }
    return result;
}

} // namespace standin
