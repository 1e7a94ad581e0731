#include "live/LiveHost.h"

#include "host/HelpNotice.h"
#include "host/MessageLoop.h"
#include "host/PlanWindow.h"
#include "live/Desktop.h"

#include <afxwin.h>

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
    if (!StartDesktop(hooks.clipboard)) {
        return false;
    }
    {
        // A person who asks for help sees an answer; whoever else listens still hears of the request.
        HelpNotice help;
        const auto previousHelp = session.onHelp;
        session.onHelp = [&help, previousHelp](const std::wstring& topic) {
            if (previousHelp) {
                previousHelp(topic);
            }
            help.show(topic);
        };
        PlanWindow planWindow(plan);
        if (planWindow.CreateHidden()) {
            planWindow.ShowWindow(SW_SHOW);
            planWindow.UpdateWindow();
        }
        unsigned wait = 0;
        while (planWindow.GetSafeHwnd() && !planWindow.closeRequested()) {
            if (!WaitForDesktop(wait)) {
                break;
            }
            // The person's clicks on the drawing are measurements, handed to the dialog here, outside
            // any window's message.
            bool quitting = false;
            try {
                quitting = !PumpWaitingMessages();
                for (const PlanClick& click : planWindow.takeClicks()) {
                    const auto result = session.clickPlan(click.at, click.minus);
                    if (result.hit && hooks.measured) {
                        hooks.measured(result);
                    }
                }
                quitting = quitting || !PumpWaitingMessages();
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
            planWindow.refresh();
            if (hooks.round && !hooks.round(planWindow.GetSafeHwnd())) {
                break;
            }
            wait = hooks.nextRoundWithin ? hooks.nextRoundWithin() : kWaitForInput;
        }
        // The dialog goes before the desktop that shows it.
        session.deleteDialog();
        session.onHelp = previousHelp;
        PumpWaitingMessages();
    }
    StopDesktop();
    return true;
}

} // namespace host::live
