// SDL keys as the virtual-key codes a Windows keyboard driver would report.
//
// Not done here: scan codes in lParam beyond the plain value, dead keys, IME composition, keys that no
// stand-in control reacts to (media keys, F13 and up map to 0 and are dropped).
#pragma once

#include <SDL.h>

#include <windows.h>

namespace display::live {

// 0 when the key has no virtual-key code here.
UINT VirtualKeyOf(SDL_Keycode key);

// The MK_* flags of a mouse message for the buttons held and the modifier keys.
WPARAM MouseKeyFlags(Uint32 buttons, SDL_Keymod modifiers);

} // namespace display::live
