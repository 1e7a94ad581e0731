// The live display: the stand-in's top-level windows mirrored into SDL windows on the desktop, the
// person's input turned into window messages, message boxes and menus as windows of their own, and the
// stand-in's clipboard handed on to the desktop's.
//
// The loop is driven by events: a round waits until the desktop has an event, a stand-in timer is due
// or the host wakes it, and nothing is repainted unless a window's picture changed, so an idle session
// costs no processor time.
//
// Not done here: reading the desktop's clipboard back into the stand-in (the component never pastes),
// several displays, a second thread (everything but WakeLive runs on the thread that calls PumpLive).
#include "Activation.h"
#include "Desktop.h"
#include "LiveInput.h"
#include "LiveModal.h"
#include "Mirrors.h"
#include "Utf8.h"

#include <display.h>
#include <standin/hooks.h>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>

namespace display {

namespace {

struct LiveSession {
    live::Mirrors mirrors;
    live::desktop::EventModifiers modifiers;
    live::LiveInput input{mirrors, modifiers};
    live::Activation activation{mirrors};
    std::unique_ptr<live::LiveModal> modal;
    bool quit = false;
};

std::unique_ptr<LiveSession> g_session;
std::function<void(const SDL_Event&)> g_foreign;
// The event type WakeLive pushes; registered once, read from any thread.
std::atomic<Uint32> g_wakeEvent{0};

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
    if (e.type == g_wakeEvent) {
        return; // it only ended the wait
    }
    g_session->modifiers.note(e);
    if (e.type == SDL_SYSWMEVENT) {
        return;
    }
    g_session->activation.note(e);
    if (!g_session->input.handle(e) && g_foreign) {
        g_foreign(e);
    }
}

// What the windows changed is shown, and activation is the same on both sides.
void ShowWindows() {
    g_session->mirrors.sync();
    g_session->activation.settle();
}

// The desktop's events become window messages, waiting up to `waitMs` for the first.
void TakeEvents(Uint32 waitMs) {
    SDL_Event e;
    const int timeout = waitMs >= static_cast<Uint32>(INT32_MAX) ? -1 : static_cast<int>(waitMs);
    bool pending = SDL_WaitEventTimeout(&e, timeout) != 0;
    if (!pending && timeout < 0) {
        g_session->quit = true; // a wait without a limit ends only when the desktop is gone
        return;
    }
    while (pending) {
        Dispatch(e);
        pending = SDL_PollEvent(&e) != 0;
    }
    // A frame the desktop activated is active in the stand-in before its input is dispatched.
    g_session->activation.settle();
}

Uint32 WaitLimit(unsigned callerMs) {
    MSG waiting;
    if (PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
        return 0; // the caller's loop has messages to dispatch first
    }
    return std::min<Uint32>(callerMs, standin::MillisecondsToNextTimer());
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
    // Under a window manager the click that activates a window is also the click the person meant.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The pictures are made in memory: an X image shows them as they are. An accelerated surface
    // would copy them through a software OpenGL renderer, and SDL makes the window anew for it the
    // first time it is asked for its surface, losing what was set on the old one.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");

    live::desktop::ReceiveSystemEvents();
    live::desktop::SurviveStaleWindows();
    if (g_wakeEvent == 0) {
        g_wakeEvent = SDL_RegisterEvents(1);
    }
    g_session = std::make_unique<LiveSession>();
    g_session->mirrors.onClosing([](Uint32 id) {
        g_session->activation.closing(id);
        g_session->input.closing(id);
    });
    g_session->modal = std::make_unique<live::LiveModal>(
        g_session->mirrors, ForwardDuringModal,
        [](const SDL_MouseButtonEvent& button) { g_session->input.released(button); });
    standin::SetInteractiveModal(g_session->modal.get());
    // The stand-in's nested loops (a border or caption drag, a pressed caption button, a modal dialog)
    // wait here for the person's next input, until their next timer is due.
    standin::SetIdleHook([](DWORD waitMs) {
        if (g_session) {
            ShowWindows();
            TakeEvents(waitMs);
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

bool PumpLive(unsigned maxWaitMs) {
    if (!g_session) {
        return false;
    }
    ShowWindows();
    TakeEvents(WaitLimit(maxWaitMs));
    return !g_session->quit;
}

void WakeLive() {
    if (const Uint32 type = g_wakeEvent; type != 0) {
        SDL_Event e{};
        e.type = type;
        SDL_PushEvent(&e);
    }
}

void StopLive() {
    if (!g_session) {
        return;
    }
    standin::SetIdleHook(nullptr);
    standin::SetInteractiveModal(nullptr);
    standin::SetClipboardObserver(nullptr);
    g_session->mirrors.onClosing(nullptr); // activation goes before the mirrors do
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

void PushLiveMouse(unsigned windowId, LiveMouse what, int x, int y) {
    SDL_Event e{};
    if (what == LiveMouse::Move) {
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = windowId;
        e.motion.x = x;
        e.motion.y = y;
    } else {
        const bool down = what == LiveMouse::Press;
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = windowId;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
    }
    SDL_PushEvent(&e);
}

void PushLiveClick(unsigned windowId, int x, int y) {
    for (const LiveMouse what : {LiveMouse::Move, LiveMouse::Press, LiveMouse::Release}) {
        PushLiveMouse(windowId, what, x, y);
    }
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
    g_session->mirrors.sync();
    return g_session->mirrors.idOf(topLevel);
}

} // namespace display
