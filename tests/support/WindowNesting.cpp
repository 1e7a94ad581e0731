#include "WindowNesting.h"

#include <windows.h>

namespace measure_test {
namespace {

constexpr const wchar_t* kProbeClass = L"MeasureTestNestingProbe";
constexpr UINT kGoDeeper = WM_APP + 1;

struct Probe {
    int ceiling = 0;
    int deepest = 0;
};
Probe* g_probe = nullptr;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kGoDeeper || g_probe == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const int level = static_cast<int>(wParam);
    if (level > g_probe->deepest)
        g_probe->deepest = level;
    if (level < g_probe->ceiling)
        SendMessageW(hwnd, kGoDeeper, static_cast<WPARAM>(level + 1), 0);
    return 1;
}

} // namespace

int WindowNestingDepth(int ceiling) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ProbeProc;
        wc.hInstance = GetModuleHandleW(NULL);
        wc.lpszClassName = kProbeClass;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    const HWND probe =
        CreateWindowExW(0, kProbeClass, L"", WS_POPUP, 0, 0, 1, 1, NULL, NULL, GetModuleHandleW(NULL), NULL);
    if (probe == NULL)
        return 0;
    Probe state{ceiling, 0};
    g_probe = &state;
    SendMessageW(probe, kGoDeeper, 1, 0);
    g_probe = nullptr;
    DestroyWindow(probe);
    return state.deepest;
}

} // namespace measure_test
