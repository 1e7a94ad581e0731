#include "Mirrors.h"

#include "Present.h"
#include "Utf8.h"

#include <standin/hooks.h>

#include <cairo.h>

#include <string>

namespace display::live {

namespace {

std::string TitleOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return ToUtf8(text);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

std::vector<HWND> Mirrors::VisibleTopLevels() {
    // The top-level windows are the desktop's children, as on Windows.
    const HWND first = GetWindow(GetDesktopWindow(), GW_CHILD);
    std::vector<HWND> windows;
    for (HWND hwnd = first; hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        RECT rect{};
        if (IsWindowVisible(hwnd) && GetWindowRect(hwnd, &rect) && rect.right > rect.left &&
            rect.bottom > rect.top) {
            windows.push_back(hwnd);
        }
    }
    return windows;
}

void Mirrors::sync(bool repaint) {
    for (Mirror& mirror : m_mirrors) {
        mirror.seen = false;
    }
    const std::vector<HWND> visible = VisibleTopLevels();
    // The stand-in lists the topmost window first; create from the bottom up so that the desktop
    // stacks new mirrors in the same order.
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        const HWND hwnd = *it;
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        Mirror* found = nullptr;
        for (Mirror& mirror : m_mirrors) {
            if (mirror.hwnd == hwnd) {
                found = &mirror;
            }
        }
        if (!found) {
            const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
            // A window with a caption is a frame the person moves and sizes through the stand-in's
            // own border; a bare popup (tooltip, drop-down list) must not be managed by the desktop.
            const Uint32 flags =
                (style & WS_CAPTION) == WS_CAPTION
                    ? SDL_WINDOW_BORDERLESS
                    : SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
            SDL_Window* window = SDL_CreateWindow(TitleOf(hwnd).c_str(), rect.left, rect.top,
                                                  rect.right - rect.left, rect.bottom - rect.top, flags);
            if (!window) {
                continue; // the desktop refused; the window stays unseen, the stand-in is unaffected
            }
            m_mirrors.push_back(Mirror{hwnd, window, rect, true});
            paint(m_mirrors.back());
            continue;
        }
        found->seen = true;
        if (!SameRect(found->rect, rect)) {
            SDL_SetWindowPosition(found->window, rect.left, rect.top);
            SDL_SetWindowSize(found->window, rect.right - rect.left, rect.bottom - rect.top);
            found->rect = rect;
            paint(*found);
        } else if (repaint) {
            paint(*found);
        }
    }
    for (auto it = m_mirrors.begin(); it != m_mirrors.end();) {
        if (!it->seen) {
            SDL_DestroyWindow(it->window);
            it = m_mirrors.erase(it);
        } else {
            ++it;
        }
    }
}

void Mirrors::paint(Mirror& mirror) {
    auto* picture = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(mirror.hwnd));
    if (picture) {
        PresentPicture(mirror.window, picture);
        cairo_surface_destroy(picture);
    }
}

void Mirrors::present(Uint32 windowId) {
    for (Mirror& mirror : m_mirrors) {
        if (SDL_GetWindowID(mirror.window) == windowId) {
            SDL_UpdateWindowSurface(mirror.window);
        }
    }
}

void Mirrors::closeAll() {
    for (Mirror& mirror : m_mirrors) {
        SDL_DestroyWindow(mirror.window);
    }
    m_mirrors.clear();
}

HWND Mirrors::windowOf(Uint32 windowId) const {
    for (const Mirror& mirror : m_mirrors) {
        if (SDL_GetWindowID(mirror.window) == windowId) {
            return mirror.hwnd;
        }
    }
    return nullptr;
}

Uint32 Mirrors::idOf(HWND topLevel) const {
    for (const Mirror& mirror : m_mirrors) {
        if (mirror.hwnd == topLevel) {
            return SDL_GetWindowID(mirror.window);
        }
    }
    return 0;
}

void Mirrors::raise(HWND topLevel) {
    for (const Mirror& mirror : m_mirrors) {
        if (mirror.hwnd == topLevel) {
            SDL_RaiseWindow(mirror.window);
        }
    }
}

} // namespace display::live
