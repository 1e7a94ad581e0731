// The modifier keys of a click are the ones its own event says were held: a Shift-click subtracts
// even when the keyboard was elsewhere and SDL's idea of the keys is stale. Events a program pushes
// carry no desktop event and take SDL's keyboard state.
#include "LiveSession.h"

#include "../Desktop.h"

#include <SDL_syswm.h>

#include <X11/Xlib.h>

namespace display::live::testing {
namespace {

// The system event SDL's X driver sends before the mouse event it makes of an X button press.
SDL_Event XButtonPress(unsigned state, SDL_SysWMmsg& message) {
    message = SDL_SysWMmsg{};
    SDL_VERSION(&message.version);
    message.subsystem = SDL_SYSWM_X11;
    XEvent& x = message.msg.x11.event;
    x.xbutton.type = ButtonPress;
    x.xbutton.button = Button1;
    x.xbutton.state = state;
    SDL_Event event{};
    event.type = SDL_SYSWMEVENT;
    event.syswm.msg = &message;
    return event;
}

SDL_Event ButtonDown() {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    return event;
}

TEST(EventModifiers, AClickTakesTheStateItsDesktopEventCarriesAndAPushedOneTheKeyboards) {
    desktop::EventModifiers modifiers;
    SDL_SysWMmsg message;
    SDL_SetModState(KMOD_NONE); // stale: the Shift press went to another window
    modifiers.note(XButtonPress(ShiftMask, message));
    const SDL_Event click = ButtonDown();
    modifiers.note(click);
    EXPECT_EQ(modifiers.of(click), KMOD_SHIFT);

    SDL_SetModState(KMOD_LCTRL);
    modifiers.note(click); // no desktop event before it: a program pushed it
    EXPECT_EQ(modifiers.of(click), KMOD_LCTRL);
    SDL_SetModState(KMOD_NONE);

    modifiers.note(XButtonPress(ControlMask | ShiftMask, message));
    SDL_Event release{};
    release.type = SDL_MOUSEBUTTONUP;
    modifiers.note(release); // a press's state is not a release's
    EXPECT_EQ(modifiers.of(release), KMOD_NONE);
}

class Modifiers : public LiveDesktop {};

TEST_F(Modifiers, AShiftClickOnAMirrorReachesTheWindowAsOne) {
    showDialog();
    click(item(kKeyLog), KMOD_LSHIFT);
    click(item(kKeyLog), KMOD_LCTRL);
    click(item(kKeyLog));
    EXPECT_EQ(takeLoggedClicks(), (std::vector<WPARAM>{MK_SHIFT, MK_CONTROL, 0}));
}

} // namespace
} // namespace display::live::testing
