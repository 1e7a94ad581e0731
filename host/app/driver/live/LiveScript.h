// The example host's live loop as measure-host runs it: the events printed as they happen, and a
// script (file or standard input) that drives the same windows as a person would, one line each time
// the effects of the one before were handled and shown.
//
// On Windows (LiveWindows.cpp) the live mode is the example host's loop on the real windows, without a
// script.
//
// Not done here: the live loop itself (the example host's RunLive), headless runs (ScriptRunner).
#pragma once

#include "DriverSession.h"
#include "plan/PlanModel.h"
#include "script/EventSink.h"

#include <functional>
#include <optional>
#include <string>

namespace host::live {

struct LiveOptions {
    std::optional<std::string> script; // a file, or "-" for standard input
};

// Returns the exit status: 2 when no display could be opened or the script cannot be read, 1 when a
// script line failed, else 0.
int RunLiveWithScript(const LiveOptions& options, driver::DriverSession& session, plan::PlanModel& plan,
                      script::EventSink& events, std::function<void(const std::wstring&)> clipboardObserver);

} // namespace host::live
