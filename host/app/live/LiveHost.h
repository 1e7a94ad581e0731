// The host with a person at the desktop: the drawing in its own window, the dialog and its boxes and
// menus mirrored by the live display, one loop that pumps the desktop's events and the window
// messages in turn. A script (file or standard input) may drive the same windows as a person would.
//
// Not done here: the host's session and its observations (made by main), headless runs (ScriptRunner).
#pragma once

#include "host/MeasureSession.h"
#include "plan/PlanModel.h"
#include "script/EventSink.h"

#include <functional>
#include <optional>
#include <string>

namespace host::live {

struct LiveOptions {
    std::optional<std::string> script; // a file, or "-" for standard input
};

// Runs until the person closes the drawing, the process is asked to quit, or the script says "quit".
// Returns the exit status: 2 when no display could be opened, 1 when a script line failed, else 0.
int RunLive(const LiveOptions& options, MeasureSession& session, plan::PlanModel& plan,
            script::EventSink& events, std::function<void(const std::wstring&)> clipboardObserver);

} // namespace host::live
