// The drawing's window: a frame whose client area is the sheet, painted with GDI on WM_PAINT (and on
// WM_PRINTCLIENT, so that a picture can be taken of it while it is hidden), the element under the
// pointer highlighted, and the clicks the person makes on it kept for the host's loop. A click is a
// measurement; Shift held subtracts it.
//
// Not done here: zoom, scrolling, resizing (the sheet is shown 1:1), keyboard commands, measuring
// inside the window procedure (the loop hands the clicks to the dialog, outside any window's message).
#pragma once

#include "plan/PlanModel.h"
#include "plan/PlanRenderer.h"

#include <afxwin.h>

#include <string>
#include <vector>

namespace host {

struct PlanClick {
    plan::Point at;
    bool minus = false; // Shift was held
};

class PlanWindow : public CWnd {
public:
    static constexpr wchar_t kTitle[] = L"measure-host 図面";

    explicit PlanWindow(const plan::PlanModel& plan) : m_plan(plan) {}
    ~PlanWindow() override;

    // Makes the window, hidden, below the place where the dialog opens; FALSE when the window
    // system refused.
    BOOL CreateHidden();

    std::vector<PlanClick> takeClicks();
    bool closeRequested() const { return m_bCloseRequested; }
    // Asks for a repaint when the plan changed since the last one (a mark, a drawn summary).
    void refresh();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc);
    void hover(plan::Point at);

    const plan::PlanModel& m_plan;
    plan::PlanView m_view;
    std::vector<PlanClick> m_clicks;
    unsigned m_nPaintedRevision = 0;
    bool m_bCloseRequested = false;
};

// The sheet as the drawing's window shows it, as a PNG: a hidden window of its own is made, pictured
// and destroyed again.
bool WriteDrawingPng(const plan::PlanModel& plan, const std::string& path);

} // namespace host
