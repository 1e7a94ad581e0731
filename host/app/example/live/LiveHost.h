// The host with a person at the desktop: the drawing in its own window beside the dialog, one loop
// that waits for the desktop and handles the window messages in turn. The person's clicks on the
// drawing are measurements for the dialog.
//
// Not done here: the session (made by the caller); scripts and printed events (a driver adds them
// through LiveHooks).
#pragma once

#include "host/MeasureSession.h"
#include "plan/PlanModel.h"

#include <windows.h>

#include <functional>
#include <string>

namespace host::live {

// What a driver adds to the live loop; the example host runs with none.
struct LiveHooks {
    // Every measurement that a click on the drawing handed to the dialog.
    std::function<void(const MeasureSession::PlanClickResult&)> measured;
    // Called inside the catch block when an exception came out of the dialog (the component passes
    // them on to the host); without it a line goes to standard error. The session goes on either way.
    std::function<void()> failed;
    // Once per round, after the messages were handled; false ends the loop.
    std::function<bool(HWND planWindow)> round;
    // How long the next round may wait for the desktop at most, in milliseconds (kWaitForInput: for
    // as long as nothing happens); asked after each round.
    std::function<unsigned()> nextRoundWithin;
    // The text the dialog put on the clipboard (the live display also hands it to the desktop).
    std::function<void(const std::wstring&)> clipboard;
};

// Runs until the person closes the drawing, the process is asked to quit, or a hook ends it. False
// when no display could be opened.
bool RunLive(MeasureSession& session, plan::PlanModel& plan, const LiveHooks& hooks = {});

} // namespace host::live
