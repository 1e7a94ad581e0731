#include "host/MeasureSession.h"

#include <brio/core/Application.h>

namespace host {

using brio::ui::measure::doMeasureTotalDlg;
using brio::ui::measure::TMSRDATA;

MeasureSession::MeasureSession(plan::PlanModel& plan) : m_plan(plan) {
    m_mainWindow.CreateHidden();
    if (CWinApp* app = AfxGetApp()) {
        app->m_pMainWnd = &m_mainWindow; // owner of the dialog, which is made without a parent
    }
    brio::core::Application::getInstance().setHelpObserver([this](const std::wstring& topic) {
        if (onHelp) {
            onHelp(topic);
        }
    });
}

MeasureSession::~MeasureSession() {
    deleteDialog();
    brio::core::Application::getInstance().setHelpObserver(nullptr);
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == &m_mainWindow) {
        app->m_pMainWnd = nullptr;
    }
    m_mainWindow.DestroyWindow();
}

bool MeasureSession::measure(const TMSRDATA& data) {
    // The first call makes the dialog and gives it back through m_dialog; every later call passes
    // the same pointer in. The dialog is ours to delete.
    return doMeasureTotalDlg(m_dialog, mainFrame(), data);
}

MeasureSession::PlanClickResult MeasureSession::clickPlan(plan::Point at, bool minus) {
    PlanClickResult click;
    m_lastClick = at;
    const auto element = m_plan.hitTest(at);
    if (!element) {
        return click;
    }
    const plan::Measurement m = m_plan.measure(*element);
    m_plan.markMeasured(*element, minus);
    click.hit = true;
    click.data.bMinus = minus ? TRUE : FALSE;
    click.data.dValue = m.value;
    click.data.strElement = m.element.c_str();
    click.data.strScale = m.scale.c_str();
    click.data.sAreaFlag = m.area ? 1 : 0;
    click.result = measure(click.data);
    return click;
}

void MeasureSession::deleteDialog() {
    delete m_dialog;
    m_dialog = nullptr;
}

// ID_TOTAL_EVENT: the dialog has rebuilt its summary; read it and draw it where the user last clicked.
void MeasureSession::drawSummary() {
    if (!m_dialog) {
        return;
    }
    const std::wstring text = m_dialog->GetString();
    m_plan.addAnnotation(m_lastClick, text);
    if (onDraw) {
        onDraw(text, m_lastClick);
    }
}

} // namespace host
