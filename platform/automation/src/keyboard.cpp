// Keys of the simulated user: a press and release on the window with the focus, with Shift and Ctrl
// held around it when asked. The loop turns the press into WM_CHAR where the key has a character.
#include "automation.h"

#include "input.h"

namespace automation {

void PressKey(UINT vk, unsigned modifiers) {
    input::HeldInput held;
    input::PressModifiers(held, modifiers);
    held.pressKey(vk);
    held.releaseKey(vk);
    input::ReleaseModifiers(held, modifiers);
}

} // namespace automation
