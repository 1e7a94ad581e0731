// The live display: the stand-in's top-level windows mirrored into SDL windows on the desktop, the
// person's input turned into window messages, message boxes and menus as windows of their own, and the
// stand-in's clipboard handed on to the desktop's.
//
// Not done here: reading the desktop's clipboard back into the stand-in (the component never pastes),
// several displays, a second thread (everything runs on the thread that calls PumpLive).
#include "LiveInput.h"
#include "LiveModal.h"
#include "Mirrors.h"
#include "Utf8.h"

#include <display.h>
#include <standin/hooks.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>

namespace display {

namespace {

// How often mirrors are repainted when no input arrives: changes made by the host (a new row, a drawn
// summary) show within this time; input makes the next round repaint at once.
constexpr Uint32 kRepaintMs = 100;
constexpr Uint32 kWaitMs = 10;

struct LiveSession {
    live::Mirrors mirrors;
    live::LiveInput input{mirrors};
    std::unique_ptr<live::LiveModal> modal;
    Uint32 lastRepaint = 0;
    bool repaintNext = true;
    bool quit = false;
};

std::unique_ptr<LiveSession> g_session;
std::function<void(const SDL_Event&)> g_foreign;

bool DisplayNamed() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// Window events of windows that are not the modal's own, while a modal loop runs.
void ForwardDuringModal(const SDL_Event& e) {
    if (!g_session || e.type != SDL_WINDOWEVENT) {
        return;
    }
    if (g_session->mirrors.windowOf(e.window.windowID)) {
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
            g_session->mirrors.present(e.window.windowID);
        }
    } else if (g_foreign) {
        g_foreign(e);
    }
}

void Dispatch(const SDL_Event& e) {
    if (e.type == SDL_QUIT) {
        g_session->quit = true;
        return;
    }
    if (!g_session->input.handle(e) && g_foreign) {
        g_foreign(e);
    }
}

// One round: the desktop's events become window messages (waiting up to `waitMs` for the first), and
// the mirrors follow the stand-in's windows.
void PumpRound(Uint32 waitMs) {
    SDL_Event e;
    bool pending = SDL_WaitEventTimeout(&e, static_cast<int>(waitMs)) != 0;
    while (pending) {
        Dispatch(e);
        pending = SDL_PollEvent(&e) != 0;
    }
    const Uint32 now = SDL_GetTicks();
    const bool repaint = g_session->repaintNext || now - g_session->lastRepaint >= kRepaintMs;
    // Input posted in this round is handled after we return; its effect is painted in the next round.
    g_session->repaintNext = g_session->input.takeDelivered();
    g_session->mirrors.sync(repaint);
    if (repaint) {
        g_session->lastRepaint = now;
    }
}

} // namespace

bool Available() {
    if (!DisplayNamed()) {
        return false;
    }
    // Asking opens the display; it stays open for the live session that usually follows (and, as in
    // StopLive, is not shut down before the process ends).
    return SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool StartLive(std::function<void(const std::wstring&)> clipboardObserver) {
    if (g_session) {
        return true;
    }
    if (!DisplayNamed() || (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)) {
        return false;
    }
    g_session = std::make_unique<LiveSession>();
    g_session->modal = std::make_unique<live::LiveModal>(ForwardDuringModal);
    standin::SetInteractiveModal(g_session->modal.get());
    // The stand-in's nested loops (a border or caption drag, a pressed caption button) wait here for
    // the person's next input; the queue's own short sleep follows, so nothing waits in SDL.
    standin::SetIdleHook([] {
        if (g_session) {
            PumpRound(0);
        }
    });
    standin::SetClipboardObserver([observer = std::move(clipboardObserver)](const std::wstring& text) {
        SDL_SetClipboardText(live::ToUtf8(text).c_str());
        if (observer) {
            observer(text);
        }
    });
    return true;
}

bool PumpLive() {
    if (!g_session) {
        return false;
    }
    PumpRound(kWaitMs);
    return !g_session->quit;
}

void StopLive() {
    if (!g_session) {
        return;
    }
    standin::SetIdleHook(nullptr);
    standin::SetInteractiveModal(nullptr);
    standin::SetClipboardObserver(nullptr);
    g_session.reset();
    // SDL's video subsystem stays up until the process ends: shutting it down unloads the X11 libraries
    // it opened, and their caches would then be left behind as memory nobody can name. Every window
    // of ours is gone already; a later StartLive finds the subsystem ready.
}

void SetForeignEventHandler(std::function<void(const SDL_Event&)> handler) {
    g_foreign = std::move(handler);
}

void QueueLiveAnswer(unsigned answer) {
    live::LiveModal::QueueAnswer(answer);
}

unsigned EventWindowId(const SDL_Event& e) {
    switch (e.type) {
    case SDL_MOUSEMOTION:
        return e.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return e.button.windowID;
    case SDL_WINDOWEVENT:
        return e.window.windowID;
    default:
        return 0;
    }
}

unsigned LiveWindowId(HWND topLevel) {
    if (!g_session) {
        return 0;
    }
    g_session->mirrors.sync(false);
    return g_session->mirrors.idOf(topLevel);
}

} // namespace display
