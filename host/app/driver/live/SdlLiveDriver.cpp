#include "live/SdlLiveDriver.h"

#include "script/Words.h"

#include <display.h>

namespace host::live {

namespace {

// A click at a client point of a top-level window, on its mirror.
void PushClientClick(HWND top, POINT client) {
    const unsigned id = display::LiveWindowId(top);
    if (id == 0) {
        throw script::ScriptError("the window is not shown on the desktop");
    }
    RECT window{};
    GetWindowRect(top, &window);
    ClientToScreen(top, &client);
    display::PushLiveClick(id, client.x - window.left, client.y - window.top);
}

} // namespace

void SdlLiveDriver::clickPlan(plan::Point at, bool minus) {
    if (minus && !m_shiftHeld) {
        // Pushed events carry no keyboard state: hold Shift in SDL's own state until they are handled.
        m_modifiersBefore = SDL_GetModState();
        SDL_SetModState(static_cast<SDL_Keymod>(m_modifiersBefore | KMOD_LSHIFT));
        m_shiftHeld = true;
    }
    PushClientClick(m_planWindow, POINT{static_cast<LONG>(at.x), static_cast<LONG>(at.y)});
}

void SdlLiveDriver::clickControl(HWND control) {
    const HWND top = GetAncestor(control, GA_ROOT);
    RECT target{};
    GetClientRect(control, &target);
    POINT centre{(target.left + target.right) / 2, (target.top + target.bottom) / 2};
    MapWindowPoints(control, top, &centre, 1);
    PushClientClick(top, centre);
}

void SdlLiveDriver::queueAnswer(unsigned answer) {
    display::QueueLiveAnswer(answer);
}

void SdlLiveDriver::settled() {
    if (m_shiftHeld) {
        SDL_SetModState(m_modifiersBefore);
        m_shiftHeld = false;
    }
}

} // namespace host::live
