// Keys of the simulated user: a press and release on the window with the focus, with Shift and Ctrl
// held around it when asked. The loop turns the press into WM_CHAR where the key has a character.
#include "automation.h"

#include "input.h"

namespace automation {

void PressKey(UINT vk, unsigned modifiers) {
    input::PressModifiers(modifiers);
    input::PostKey(vk, true);
    input::PostKey(vk, false);
    input::ReleaseModifiers(modifiers);
}

} // namespace automation
