// What a script command works on: the host's session with its dialog, the drawing, the event stream,
// and, when the windows are live on a desktop, the way to reach them as a person's input does.
#pragma once

#include "DriverSession.h"
#include "plan/PlanModel.h"
#include "script/EventSink.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace host::script {

// Input through the desktop, for scripts that drive the live windows.
class LiveDriver {
public:
    virtual ~LiveDriver() = default;
    // A click on the drawing's window at a sheet point, with Shift held when `minus`.
    virtual void clickPlan(plan::Point at, bool minus) = 0;
    // A left click in the middle of a control, on the mirror of its window.
    virtual void clickControl(HWND control) = 0;
    // The next live message box or menu takes this answer (a button id, a command, 0 to dismiss).
    virtual void queueAnswer(unsigned answer) = 0;
};

struct ScriptContext {
    driver::DriverSession& session;
    plan::PlanModel& plan;
    EventSink& events;
    LiveDriver* live = nullptr;
    bool quit = false;
};

using Words = std::vector<std::wstring>;

struct Command {
    std::wstring_view name;
    size_t leastArguments;
    size_t mostArguments;
    void (*run)(ScriptContext& context, const Words& arguments);
};

// The commands about the host and what it observes (measure, dump, settings, snapshots, ...), and those
// that act as the user on the dialog (click, select, key, ...).
const std::vector<Command>& HostCommands();
const std::vector<Command>& UserCommands();

// The measure event: what went to the dialog and doMeasureTotalDlg's answer.
void EmitMeasure(EventSink& events, const brio::ui::measure::TMSRDATA& data, bool result);

} // namespace host::script
