#include "Desktop.h"

#include <SDL_syswm.h>

#include <cstdio>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace display::live::desktop {

namespace {

#if defined(SDL_VIDEO_DRIVER_X11)

struct XWindow {
    Display* display = nullptr;
    Window window = 0;
    explicit operator bool() const { return display != nullptr; }
};

XWindow X11Of(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return {};
    }
    return XWindow{info.info.x11.display, info.info.x11.window};
}

// X reports a failed request (a window gone meanwhile, one not viewable yet) as an error whose
// default handler ends the program; the requests made while this lives only note it.
class TrappedErrors {
public:
    explicit TrappedErrors(Display* display) : m_display(display) {
        XSync(m_display, False);
        s_failed = false;
        m_previous = XSetErrorHandler(&Note);
    }
    ~TrappedErrors() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    TrappedErrors(const TrappedErrors&) = delete;
    TrappedErrors& operator=(const TrappedErrors&) = delete;
    bool failed() {
        XSync(m_display, False);
        return s_failed;
    }

private:
    static int Note(Display*, XErrorEvent*) {
        s_failed = true;
        return 0;
    }
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
    static inline bool s_failed = false;
};

bool Viewable(const XWindow& x) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x.display, x.window, &attributes) && attributes.map_state == IsViewable;
}

Window SupportingWindow(Display* display, Window of) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    Window found = 0;
    if (XGetWindowProperty(display, of, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1 && format == 32) {
        found = *reinterpret_cast<Window*>(data);
    }
    if (data) {
        XFree(data);
    }
    return found;
}

SDL_Keymod KeymodOf(unsigned state) {
    int modifiers = KMOD_NONE;
    if (state & ShiftMask) {
        modifiers |= KMOD_SHIFT;
    }
    if (state & ControlMask) {
        modifiers |= KMOD_CTRL;
    }
    if (state & Mod1Mask) {
        modifiers |= KMOD_ALT;
    }
    return static_cast<SDL_Keymod>(modifiers);
}

#endif

// Without X the desktop is SDL's own (the dummy driver): the keyboard's owner is kept here and each
// hand-over is reported as focus events, as a desktop would report it.
Uint32 g_simulatedKeyboard = 0;

void PushFocusEvent(Uint32 windowId, Uint8 which) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = which;
    event.window.timestamp = SDL_GetTicks();
    SDL_PushEvent(&event);
}

void SimulateKeyboardMove(SDL_Window* window) {
    const Uint32 id = SDL_GetWindowID(window);
    if (id == g_simulatedKeyboard) {
        return;
    }
    if (g_simulatedKeyboard && SDL_GetWindowFromID(g_simulatedKeyboard)) {
        PushFocusEvent(g_simulatedKeyboard, SDL_WINDOWEVENT_FOCUS_LOST);
    }
    g_simulatedKeyboard = id;
    PushFocusEvent(id, SDL_WINDOWEVENT_FOCUS_GAINED);
}

} // namespace

Uint32 SimulatedKeyboardWindow() {
    return g_simulatedKeyboard;
}

void ShowWithoutFocus(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(window)) {
        // SDL_ShowWindow would set the focus itself when no window manager runs; map it ourselves.
        const Atom userTime = XInternAtom(x.display, "_NET_WM_USER_TIME", False);
        const long never = 0;
        XChangeProperty(x.display, x.window, userTime, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&never), 1);
        XMapRaised(x.display, x.window);
        XFlush(x.display);
        return;
    }
#endif
    SDL_ShowWindow(window);
}

void GiveKeyboard(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(window)) {
        if (WindowManagerRunning(window)) {
            SDL_RaiseWindow(window); // raised, and _NET_ACTIVE_WINDOW asks the manager to activate it
        } else {
            XRaiseWindow(x.display, x.window);
        }
        TrappedErrors errors(x.display);
        // A window just mapped under a window manager may not be viewable yet: the manager's
        // activation above gives it the keyboard once it is.
        if (Viewable(x)) {
            XSetInputFocus(x.display, x.window, RevertToParent, CurrentTime);
        }
        return;
    }
#endif
    SimulateKeyboardMove(window);
}

void KeepAbove(SDL_Window* window, SDL_Window* owner) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(window)) {
        const XWindow above = X11Of(owner);
        if (above) {
            XSetTransientForHint(x.display, x.window, above.window);
        } else {
            XDeleteProperty(x.display, x.window, XA_WM_TRANSIENT_FOR);
        }
        XFlush(x.display);
    }
#else
    (void)window;
    (void)owner;
#endif
}

void SetTitle(SDL_Window* window, const std::string& utf8) {
    SDL_SetWindowTitle(window, utf8.c_str());
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(window)) {
        // Xlib's own conversions follow the process's locale, which here is "C": they cannot hold
        // Japanese. UTF8_STRING is what Xlib's UTF-8 style writes, and tools read it in any locale.
        const Atom utf8String = XInternAtom(x.display, "UTF8_STRING", False);
        for (Atom name : {Atom(XA_WM_NAME), Atom(XA_WM_ICON_NAME)}) {
            XChangeProperty(x.display, x.window, name, utf8String, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(utf8.data()),
                            static_cast<int>(utf8.size()));
        }
        XFlush(x.display);
    }
#endif
}

void SetMinimumSize(SDL_Window* window, int width, int height) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(window)) {
        // SDL_SetWindowMinimumSize would also move and raise the window.
        XSizeHints* hints = XAllocSizeHints();
        long supplied = 0;
        XGetWMNormalHints(x.display, x.window, hints, &supplied);
        hints->min_width = width;
        hints->min_height = height;
        hints->flags = (hints->flags & ~PMaxSize) | PMinSize;
        XSetWMNormalHints(x.display, x.window, hints);
        XFree(hints);
        XFlush(x.display);
        return;
    }
#endif
    SDL_SetWindowMinimumSize(window, width, height);
}

bool WindowManagerRunning(SDL_Window* any) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const XWindow x = X11Of(any)) {
        // EWMH: the root names a window that names itself, as long as the manager runs.
        TrappedErrors errors(x.display);
        const Window named = SupportingWindow(x.display, DefaultRootWindow(x.display));
        return named && SupportingWindow(x.display, named) == named && !errors.failed();
    }
#else
    (void)any;
#endif
    return false;
}

void EventModifiers::note(const SDL_Event& event) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (event.type == SDL_SYSWMEVENT && event.syswm.msg && event.syswm.msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& x = event.syswm.msg->msg.x11.event;
        switch (x.type) {
        case ButtonPress:
        case ButtonRelease: {
            // X buttons 4 and 5 are the wheel's notches.
            const bool wheel = x.xbutton.button == Button4 || x.xbutton.button == Button5;
            m_pending =
                Pending{wheel ? Uint32(SDL_MOUSEWHEEL)
                              : Uint32(x.type == ButtonPress ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP),
                        KeymodOf(x.xbutton.state), true};
            break;
        }
        case MotionNotify:
            m_pending = Pending{SDL_MOUSEMOTION, KeymodOf(x.xmotion.state), true};
            break;
        default:
            break;
        }
        return;
    }
#endif
    if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN ||
        event.type == SDL_MOUSEBUTTONUP || event.type == SDL_MOUSEWHEEL) {
        const bool fromDesktop = m_pending.valid && m_pending.sdlType == event.type;
        m_current = fromDesktop ? m_pending.modifiers : SDL_GetModState();
        m_pending = Pending{};
    }
}

SDL_Keymod EventModifiers::of(const SDL_Event& event) const {
    const bool mouse = event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN ||
                       event.type == SDL_MOUSEBUTTONUP || event.type == SDL_MOUSEWHEEL;
    return mouse ? m_current : SDL_GetModState();
}

void ReceiveSystemEvents() {
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {
int PassOver(Display* display, XErrorEvent* error) {
    char text[128] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "live display: X error passed over: %s (request %d, resource 0x%lx)\n", text,
                 error->request_code, error->resourceid);
    return 0;
}
} // namespace
#endif

void SurviveStaleWindows() {
#if defined(SDL_VIDEO_DRIVER_X11)
    XSetErrorHandler(&PassOver);
#endif
}

} // namespace display::live::desktop
