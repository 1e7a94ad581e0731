// The example host's session as the script driver runs it: the main frame it hands the dialog is the
// host's window, none, or a frame whose window is gone, as "mainframe live|none|dead" asks. A real
// host only ever gives its own window; a test needs the other two.
//
// Not done here: anything else about the session (the example host's MeasureSession).
#pragma once

#include "host/MeasureSession.h"

namespace host::driver {

enum class MainFrameChoice {
    None, // a null CWnd*: the dialog draws nowhere
    Dead, // a CWnd whose window was destroyed: the dialog finds it invalid
    Live, // the host's main window
};

class DriverSession : public MeasureSession {
public:
    using MeasureSession::MeasureSession;
    ~DriverSession() override;

    void setMainFrame(MainFrameChoice choice) { m_frameChoice = choice; }

protected:
    CWnd* mainFrame() override;

private:
    CWnd m_deadFrame;
    MainFrameChoice m_frameChoice = MainFrameChoice::Live;
};

} // namespace host::driver
