#include "live/LiveScript.h"

#include "live/LineFeed.h"
#include "live/LiveHost.h"
#include "live/SdlLiveDriver.h"
#include "script/ScriptRunner.h"

#include <SDL.h>
#include <display.h>

#include <iostream>

namespace host::live {

namespace {

// A script line waits for the effects of the one before to be handled and shown: input pushed into
// the desktop's queue, the messages it makes, and the mirrors' next repaint.
constexpr Uint32 kSettleMs = 150;
constexpr int kSettleRounds = 3;

} // namespace

int RunLiveWithScript(const LiveOptions& options, driver::DriverSession& session, plan::PlanModel& plan,
                      script::EventSink& events, std::function<void(const std::wstring&)> clipboardObserver) {
    LineFeed feed;
    if (options.script) {
        if (*options.script == "-") {
            feed.openStandardInput(display::WakeLive);
        } else if (!feed.openFile(*options.script)) {
            std::cerr << "measure-host: cannot read " << *options.script << '\n';
            return 2;
        }
    }
    script::ScriptContext context{session, plan, events};
    script::ScriptRunner runner(context);
    std::optional<SdlLiveDriver> driver;
    int lineNumber = 0;
    Uint32 lastLineAt = 0;
    int roundsSinceLine = kSettleRounds;

    LiveHooks hooks;
    hooks.measured = [&](const MeasureSession::PlanClickResult& result) {
        script::EmitMeasure(events, result.data, result.result);
    };
    // Reported as after a failed script line; line 0 stands for the person's click.
    hooks.failed = [&] { script::EmitError(events, 0, script::DescribeCurrentException()); };
    hooks.clipboard = std::move(clipboardObserver);
    hooks.round = [&](HWND planWindow) {
        if (!driver) {
            driver.emplace(planWindow);
            context.live = &*driver;
        }
        ++roundsSinceLine;
        if (options.script && roundsSinceLine >= kSettleRounds && SDL_GetTicks() - lastLineAt >= kSettleMs) {
            driver->settled();
            if (auto line = feed.next()) {
                runner.runLine(++lineNumber, *line);
                lastLineAt = SDL_GetTicks();
                roundsSinceLine = 0;
            }
        }
        return !runner.quitRequested();
    };
    // With a line waiting, the loop comes round again once its effects may have settled; otherwise it
    // sleeps until the desktop has an event or a line arrives (the feed wakes it).
    hooks.nextRoundWithin = [&]() -> unsigned {
        if (!options.script || !feed.ready()) {
            return display::kWaitForInput;
        }
        const Uint32 since = SDL_GetTicks() - lastLineAt;
        if (roundsSinceLine < kSettleRounds || since >= kSettleMs) {
            return 0;
        }
        return kSettleMs - since;
    };
    if (!RunLive(session, plan, hooks)) {
        std::cerr << "measure-host: no display could be opened\n";
        return 2;
    }
    return runner.anyFailed() ? 1 : 0;
}

} // namespace host::live
