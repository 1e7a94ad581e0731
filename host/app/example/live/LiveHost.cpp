#include "live/LiveHost.h"

#include "host/MessageLoop.h"
#include "live/PlanWindow.h"

#include <afxwin.h>
#include <display.h>

#include <SDL.h>

#include <iostream>

namespace host::live {

namespace {

// Inside a catch block: the host survives what the dialog threw and says so.
void ReportFailure() {
    try {
        throw;
    } catch (CException* error) {
        error->Delete(); // MFC throws by pointer; the one who catches it deletes it
    } catch (...) {
    }
    std::cerr << "measure-host: an exception came out of the dialog; the host goes on\n";
}

} // namespace

bool RunLive(MeasureSession& session, plan::PlanModel& plan, const LiveHooks& hooks) {
    if (!display::StartLive(hooks.clipboard)) {
        return false;
    }
    {
        PlanWindow planWindow(plan);
        display::SetForeignEventHandler([&](const SDL_Event& e) {
            if (display::EventWindowId(e) == planWindow.windowId()) {
                planWindow.handle(e);
            }
        });
        while (planWindow.isOpen() && !planWindow.closeRequested()) {
            if (!display::PumpLive()) {
                break;
            }
            // The person's clicks on the drawing are measurements, handed to the dialog here, outside
            // the desktop's event handling.
            bool quitting = false;
            try {
                for (const PlanClick& click : planWindow.takeClicks()) {
                    const auto result = session.clickPlan(click.at, click.minus);
                    if (result.hit && hooks.measured) {
                        hooks.measured(result);
                    }
                }
                quitting = !PumpWaitingMessages();
            } catch (...) {
                if (hooks.failed) {
                    hooks.failed();
                } else {
                    ReportFailure();
                }
            }
            if (quitting) {
                break;
            }
            planWindow.paint();
            if (hooks.round && !hooks.round(planWindow.windowId())) {
                break;
            }
        }
        display::SetForeignEventHandler(nullptr);
        // The dialog goes before the desktop connection that shows it.
        session.deleteDialog();
        PumpWaitingMessages();
    }
    display::StopLive();
    return true;
}

} // namespace host::live
