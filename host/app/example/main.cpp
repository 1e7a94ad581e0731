// measure-host-example: a CAD host in miniature that embeds the running-total dialog the way a host
// application does, and nothing more. Copy this folder to start a host of your own.
//
//   measure-host-example     the drawing and the dialog on the desktop; click an element to measure
//                            it (Shift subtracts it), "作図" in the dialog draws the summary
//
// Where the host meets the component: host/MeasureSession.cpp (the entry call for every measurement,
// the ownership of the dialog, the draw request the dialog sends), host/HostMainWindow.cpp (the window
// that receives ID_TOTAL_EVENT) and host/MessageLoop.cpp (the message loop with PreTranslateMessage,
// which the dialog needs for its tooltips and its keyboard).
#include "host/MeasureSession.h"
#include "live/LiveHost.h"
#include "plan/PlanModel.h"

#include <afxwin.h>

#include <iostream>

namespace {

// The application object gives message boxes their caption and the dialog its owner window.
CWinApp theApp(L"measure-host-example");

} // namespace

int main() {
    host::plan::PlanModel plan = host::plan::PlanModel::Sample();
    host::MeasureSession session(plan);
    if (!host::live::RunLive(session, plan)) {
        std::cerr << "measure-host-example: no display could be opened\n";
        return 2;
    }
    return 0;
}
