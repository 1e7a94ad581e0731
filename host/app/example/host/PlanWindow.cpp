#include "host/PlanWindow.h"

#include <display.h>

namespace host {

namespace {

// The dialog opens at the screen's top left (its template's place); the drawing goes below it.
constexpr int kTop = 240;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

plan::Point SheetPoint(LPARAM lParam) {
    return plan::Point{static_cast<double>(static_cast<short>(LOWORD(lParam))),
                       static_cast<double>(static_cast<short>(HIWORD(lParam)))};
}

} // namespace

PlanWindow::~PlanWindow() {
    if (GetSafeHwnd()) {
        DestroyWindow();
    }
}

BOOL PlanWindow::CreateHidden() {
    // The frame is as large as the sheet needs: its client area is the sheet, 1:1.
    RECT outer{0, 0, plan::PlanModel::kSheetWidth, plan::PlanModel::kSheetHeight};
    ::AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), kTitle, kStyle, 0, kTop,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr);
}

std::vector<PlanClick> PlanWindow::takeClicks() {
    std::vector<PlanClick> clicks;
    clicks.swap(m_clicks);
    return clicks;
}

void PlanWindow::refresh() {
    if (GetSafeHwnd() && m_nPaintedRevision != m_plan.revision()) {
        Invalidate(FALSE);
    }
}

void PlanWindow::paint(HDC dc) {
    m_nPaintedRevision = m_plan.revision();
    plan::PaintPlan(dc, m_plan, m_view);
}

void PlanWindow::hover(plan::Point at) {
    const auto hovered = m_plan.hitTest(at);
    if (hovered != m_view.hovered) {
        m_view.hovered = hovered;
        Invalidate(FALSE);
    }
}

LRESULT PlanWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        paint(dc);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the sheet covers the whole client area
    case WM_MOUSEMOVE:
        hover(SheetPoint(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        m_clicks.push_back(PlanClick{SheetPoint(lParam), (wParam & MK_SHIFT) != 0});
        return 0;
    case WM_CLOSE:
        m_bCloseRequested = true; // the loop ends, and the window goes with it
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

bool WriteDrawingPng(const plan::PlanModel& plan, const std::string& path) {
    PlanWindow window(plan);
    return window.CreateHidden() && display::WriteClientPng(window.GetSafeHwnd(), path);
}

} // namespace host
