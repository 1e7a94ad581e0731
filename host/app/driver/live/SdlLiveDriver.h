// Script input for the live windows, made the way the desktop delivers a person's input: mouse events
// pushed into SDL's queue for the mirror of the drawing's window or of the dialog, so that they take
// the same path as real clicks (the live display turns them into window messages).
//
// Not done here: keys (they go through the simulated user, as in headless runs), dragging.
#pragma once

#include "script/ScriptContext.h"

#include <SDL.h>

namespace host::live {

class SdlLiveDriver final : public script::LiveDriver {
public:
    explicit SdlLiveDriver(HWND planWindow) : m_planWindow(planWindow) {}

    void clickPlan(plan::Point at, bool minus) override;
    void clickControl(HWND control) override;
    void queueAnswer(unsigned answer) override;

    // Called once the pushed events were handled: a Shift held for a click is let go again.
    void settled();

private:
    HWND m_planWindow;
    bool m_shiftHeld = false;
    SDL_Keymod m_modifiersBefore = KMOD_NONE;
};

} // namespace host::live
