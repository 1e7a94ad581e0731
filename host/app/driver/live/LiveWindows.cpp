// The live mode on Windows: the example host's own loop on the real windows, the measurements a
// person makes printed as events. Scripts drive the live windows only on Linux (through the live
// display's mirrors); here a script runs headless, with --script alone.
#include "live/LiveScript.h"

#include "live/LiveHost.h"
#include "script/ScriptRunner.h"

#include <iostream>

namespace host::live {

int RunLiveWithScript(const LiveOptions& options, driver::DriverSession& session, plan::PlanModel& plan,
                      script::EventSink& events, std::function<void(const std::wstring&)>) {
    if (options.script) {
        std::cerr << "measure-host: on Windows a script runs without --live\n";
        return 2;
    }
    LiveHooks hooks;
    hooks.measured = [&](const MeasureSession::PlanClickResult& result) {
        script::EmitMeasure(events, result.data, result.result);
    };
    hooks.failed = [&] { script::EmitError(events, 0, script::DescribeCurrentException()); };
    RunLive(session, plan, hooks);
    return 0;
}

} // namespace host::live
