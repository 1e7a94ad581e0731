#include "live/LiveHost.h"

#include "host/MessageLoop.h"
#include "live/LineFeed.h"
#include "live/PlanWindow.h"
#include "live/SdlLiveDriver.h"
#include "script/ScriptRunner.h"

#include <display.h>

#include <SDL.h>

#include <iostream>

namespace host::live {

namespace {

// A script line waits for the effects of the one before to be handled and shown: input pushed into
// the desktop's queue, the messages it makes, and the mirrors' next repaint.
constexpr Uint32 kSettleMs = 150;
constexpr int kSettleRounds = 3;

} // namespace

int RunLive(const LiveOptions& options, MeasureSession& session, plan::PlanModel& plan,
            script::EventSink& events, std::function<void(const std::wstring&)> clipboardObserver) {
    LineFeed feed;
    if (options.script) {
        if (*options.script == "-") {
            feed.openStandardInput();
        } else if (!feed.openFile(*options.script)) {
            std::cerr << "measure-host: cannot read " << *options.script << '\n';
            return 2;
        }
    }
    if (!display::StartLive(std::move(clipboardObserver))) {
        std::cerr << "measure-host: no display could be opened\n";
        return 2;
    }
    int status = 0;
    {
        PlanWindow planWindow(plan);
        display::SetForeignEventHandler([&](const SDL_Event& e) {
            if (display::EventWindowId(e) == planWindow.windowId()) {
                planWindow.handle(e);
            }
        });
        SdlLiveDriver driver(planWindow.windowId());
        script::ScriptContext context{session, plan, events, &driver};
        script::ScriptRunner runner(context);
        int lineNumber = 0;
        Uint32 lastLineAt = 0;
        int roundsSinceLine = kSettleRounds;

        while (planWindow.isOpen() && !planWindow.closeRequested() && !runner.quitRequested()) {
            if (!display::PumpLive()) {
                break;
            }
            // The person's clicks on the drawing are measurements, handed to the dialog here, outside
            // the desktop's event handling.
            // An exception out of the dialog (the component passes them on to the host) is reported and
            // the session goes on, as after a failed script line.
            bool quitting = false;
            try {
                for (const PlanClick& click : planWindow.takeClicks()) {
                    const auto result = session.clickPlan(click.at, click.minus);
                    if (result.hit) {
                        script::EmitMeasure(events, result.data, result.result);
                    }
                }
                quitting = !PumpWaitingMessages();
            } catch (...) {
                script::EmitError(events, 0, script::DescribeCurrentException());
            }
            if (quitting) {
                break;
            }
            planWindow.paint();
            ++roundsSinceLine;
            if (options.script && roundsSinceLine >= kSettleRounds &&
                SDL_GetTicks() - lastLineAt >= kSettleMs) {
                driver.settled();
                if (auto line = feed.next()) {
                    runner.runLine(++lineNumber, *line);
                    lastLineAt = SDL_GetTicks();
                    roundsSinceLine = 0;
                }
            }
        }
        status = runner.anyFailed() ? 1 : 0;
        display::SetForeignEventHandler(nullptr);
        // The dialog goes before the desktop connection that shows it.
        session.deleteDialog();
        PumpWaitingMessages();
    }
    display::StopLive();
    return status;
}

} // namespace host::live
