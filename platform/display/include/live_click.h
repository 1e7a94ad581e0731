// A person's left click on a mirror of the live desktop, as SDL would deliver it: the pointer moves
// there, the button goes down and comes up. The script driver's clicks, the live tests and the live
// benchmarks feed the desktop through it.
#pragma once

#include <SDL.h>

namespace display {

inline void PushLiveClick(Uint32 windowId, int x, int y) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = windowId;
    motion.motion.x = x;
    motion.motion.y = y;
    SDL_PushEvent(&motion);
    for (const Uint32 type : {Uint32(SDL_MOUSEBUTTONDOWN), Uint32(SDL_MOUSEBUTTONUP)}) {
        SDL_Event button{};
        button.type = type;
        button.button.windowID = windowId;
        button.button.button = SDL_BUTTON_LEFT;
        button.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        button.button.clicks = 1;
        button.button.x = x;
        button.button.y = y;
        SDL_PushEvent(&button);
    }
}

} // namespace display
