// What the host does with the running-total dialog: hand it every finished measurement through the
// component's entry, draw its summary text when asked, and delete it at the end. The host owns the
// dialog object (the interface pointer the first measurement gives back); the dialog owns its window.
//
// Not done here: the drawing's picture (PlanRenderer), the message loop (MessageLoop), input.
#pragma once

#include "host/HostMainWindow.h"
#include "plan/PlanModel.h"

#include <IMeasureTotalDlg.h>

#include <functional>
#include <string>

namespace host {

class MeasureSession {
public:
    explicit MeasureSession(plan::PlanModel& plan);
    virtual ~MeasureSession();
    MeasureSession(const MeasureSession&) = delete;
    MeasureSession& operator=(const MeasureSession&) = delete;

    // One measurement to the dialog, as for every finished measurement: doMeasureTotalDlg's result.
    bool measure(const brio::ui::measure::TMSRDATA& data);
    // A click on the drawing: measures the element under the sheet point (subtracted when `minus`).
    // A click on blank paper measures nothing; like every click it moves the point where the next
    // summary is drawn.
    struct PlanClickResult {
        bool hit = false;                 // an element was under the point
        brio::ui::measure::TMSRDATA data; // what went to the dialog
        bool result = false;              // doMeasureTotalDlg's answer
    };
    PlanClickResult clickPlan(plan::Point at, bool minus);

    // The host deletes the dialog through the interface; the next measurement makes a new one.
    void deleteDialog();

    brio::ui::measure::IMeasureTotalDlg* dialog() const { return m_dialog; }
    HWND mainWindow() const { return m_mainWindow.GetSafeHwnd(); }
    plan::Point lastClick() const { return m_lastClick; }

    // Told the summary text each time the dialog asks us to draw, after it was added to the drawing.
    std::function<void(const std::wstring& text, plan::Point at)> onDraw;
    // Told the topic each time the dialog asks the host's application for help.
    std::function<void(const std::wstring& topic)> onHelp;

protected:
    // The window the dialog sends ID_TOTAL_EVENT to: the host's main window. (Virtual only so that
    // the script driver can hand the dialog the frames a test asks for.)
    virtual CWnd* mainFrame() { return &m_mainWindow; }

private:
    void drawSummary();

    plan::PlanModel& m_plan;
    HostMainWindow m_mainWindow{[this] { drawSummary(); }};
    brio::ui::measure::IMeasureTotalDlg* m_dialog = nullptr;
    // Where a summary lands when no element was clicked yet (measurements from a script): the free
    // paper right of the plan.
    plan::Point m_lastClick{470, 420};
};

} // namespace host
