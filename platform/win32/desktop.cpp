// The desktop: a window of the table that stands for the whole virtual screen, outside the tree of
// windows (the top-level windows are its children only as GetWindow and GetAncestor answer), with no
// picture of its own.
#include "core/metrics.h"
#include "core/ui_thread.h"
#include "win32/internal.h"

namespace standin {
namespace {

HWND g_desktop = nullptr;

} // namespace

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
    g_desktop = Windows().InsertAlone(std::move(desktop));
    return g_desktop;
}

int LiveWindowCount() {
    return Windows().Count() - (g_desktop ? 1 : 0);
}

} // namespace standin
