#include "Mirrors.h"

#include "Desktop.h"
#include "Present.h"
#include "Utf8.h"

#include <standin/hooks.h>

#include <cstring>

namespace display::live {

namespace {

std::wstring TitleOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool Sizable(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_THICKFRAME) != 0;
}

// The smallest size the window takes from a person, as its WM_GETMINMAXINFO answers (the structure
// comes filled with the system's limits, as Windows fills it).
SIZE MinimumTrackSize(HWND hwnd) {
    MINMAXINFO limits{};
    limits.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    limits.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    return SIZE{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y};
}

void SetSizeHints(HWND hwnd, SDL_Window* window) {
    if (Sizable(hwnd)) {
        const SIZE minimum = MinimumTrackSize(hwnd);
        desktop::SetMinimumSize(window, minimum.cx, minimum.cy);
    }
}

bool SamePicture(cairo_surface_t* a, cairo_surface_t* b) {
    if (!a || !b || cairo_image_surface_get_width(a) != cairo_image_surface_get_width(b) ||
        cairo_image_surface_get_height(a) != cairo_image_surface_get_height(b) ||
        cairo_image_surface_get_stride(a) != cairo_image_surface_get_stride(b)) {
        return false;
    }
    const size_t bytes = static_cast<size_t>(cairo_image_surface_get_stride(a)) *
                         static_cast<size_t>(cairo_image_surface_get_height(a));
    return std::memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b), bytes) == 0;
}

} // namespace

bool Mirrors::IsFrame(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

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

SDL_Window* Mirrors::ownerOnDesktop(HWND hwnd) const {
    for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
        if (SDL_Window* window = sdlWindowOf(owner)) {
            return window;
        }
    }
    return nullptr;
}

void Mirrors::create(HWND hwnd, const RECT& rect) {
    // A frame is managed by the desktop; a bare popup (tooltip, drop-down list) must not be: it is
    // placed where the stand-in puts it, above everything, and never takes the keyboard.
    const bool frame = IsFrame(hwnd);
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    flags |=
        frame ? (Sizable(hwnd) ? SDL_WINDOW_RESIZABLE : 0) : SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    const std::wstring title = TitleOf(hwnd);
    SDL_Window* window = SDL_CreateWindow(ToUtf8(title).c_str(), rect.left, rect.top, rect.right - rect.left,
                                          rect.bottom - rect.top, flags);
    if (!window) {
        return; // the desktop refused; the window stays unseen, the stand-in is unaffected
    }
    // The surface is made first: SDL may make the desktop's window anew for it, losing its properties.
    SDL_GetWindowSurface(window);
    desktop::SetTitle(window, ToUtf8(title));
    if (frame) {
        SetSizeHints(hwnd, window);
        desktop::KeepAbove(window, ownerOnDesktop(hwnd));
    }
    m_mirrors.push_back(Mirror{hwnd, window, rect, title, nullptr, true});
    showChanges(m_mirrors.back());
    // Shown after its first picture, so that the desktop never shows it empty; activation, if the
    // stand-in gives it, hands it the keyboard afterwards.
    desktop::ShowWithoutFocus(window);
}

void Mirrors::follow(Mirror& mirror, const RECT& rect) {
    if (!SameRect(mirror.rect, rect)) {
        const bool sized = rect.right - rect.left != mirror.rect.right - mirror.rect.left ||
                           rect.bottom - rect.top != mirror.rect.bottom - mirror.rect.top;
        mirror.rect = rect;
        SDL_SetWindowPosition(mirror.window, rect.left, rect.top);
        if (sized) {
            SDL_SetWindowSize(mirror.window, rect.right - rect.left, rect.bottom - rect.top);
            if (IsFrame(mirror.hwnd)) {
                SetSizeHints(mirror.hwnd, mirror.window);
            }
        }
    }
    const std::wstring title = TitleOf(mirror.hwnd);
    if (title != mirror.title) {
        mirror.title = title;
        desktop::SetTitle(mirror.window, ToUtf8(title));
    }
}

void Mirrors::showChanges(Mirror& mirror) {
    auto* picture = static_cast<cairo_surface_t*>(standin::ShownWindowSurface(mirror.hwnd));
    if (!picture) {
        return;
    }
    if (SamePicture(picture, mirror.shown)) {
        cairo_surface_destroy(picture);
        return;
    }
    PresentPicture(mirror.window, picture);
    if (mirror.shown) {
        cairo_surface_destroy(mirror.shown);
    }
    mirror.shown = picture;
}

void Mirrors::sync() {
    for (Mirror& mirror : m_mirrors) {
        mirror.seen = false;
    }
    const std::vector<HWND> visible = VisibleTopLevels();
    // The stand-in lists the topmost window first; create from the bottom up so that the desktop
    // stacks new mirrors in the same order.
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        const HWND hwnd = *it;
        // What the window invalidated is painted into its picture now, as the screen would show it.
        UpdateWindow(hwnd);
        if (!IsWindow(hwnd) || !IsWindowVisible(hwnd)) {
            continue;
        }
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        Mirror* found = nullptr;
        for (Mirror& mirror : m_mirrors) {
            if (mirror.hwnd == hwnd) {
                found = &mirror;
            }
        }
        if (!found) {
            create(hwnd, rect);
            continue;
        }
        found->seen = true;
        follow(*found, rect);
        showChanges(*found);
    }
    for (auto it = m_mirrors.begin(); it != m_mirrors.end();) {
        if (!it->seen) {
            close(*it);
            it = m_mirrors.erase(it);
        } else {
            ++it;
        }
    }
}

void Mirrors::close(Mirror& mirror) {
    if (m_closing) {
        m_closing(SDL_GetWindowID(mirror.window));
    }
    SDL_DestroyWindow(mirror.window);
    if (mirror.shown) {
        cairo_surface_destroy(mirror.shown);
    }
    mirror = Mirror{};
}

void Mirrors::present(Uint32 windowId) {
    if (Mirror* mirror = find(windowId)) {
        SDL_UpdateWindowSurface(mirror->window);
    }
}

void Mirrors::closeAll() {
    for (Mirror& mirror : m_mirrors) {
        close(mirror);
    }
    m_mirrors.clear();
}

void Mirrors::desktopMoved(Uint32 windowId, int x, int y) {
    Mirror* mirror = find(windowId);
    if (!mirror || !IsFrame(mirror->hwnd) || (mirror->rect.left == x && mirror->rect.top == y)) {
        return;
    }
    OffsetRect(&mirror->rect, x - mirror->rect.left, y - mirror->rect.top);
    SetWindowPos(mirror->hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Mirrors::desktopSized(Uint32 windowId, int width, int height) {
    Mirror* mirror = find(windowId);
    if (!mirror || !IsFrame(mirror->hwnd) ||
        (mirror->rect.right - mirror->rect.left == width &&
         mirror->rect.bottom - mirror->rect.top == height)) {
        return;
    }
    mirror->rect.right = mirror->rect.left + width;
    mirror->rect.bottom = mirror->rect.top + height;
    SetWindowPos(mirror->hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Mirrors::Mirror* Mirrors::find(Uint32 windowId) {
    for (Mirror& mirror : m_mirrors) {
        if (mirror.window && SDL_GetWindowID(mirror.window) == windowId) {
            return &mirror;
        }
    }
    return nullptr;
}

HWND Mirrors::windowOf(Uint32 windowId) const {
    for (const Mirror& mirror : m_mirrors) {
        if (mirror.window && SDL_GetWindowID(mirror.window) == windowId) {
            return mirror.hwnd;
        }
    }
    return nullptr;
}

Uint32 Mirrors::idOf(HWND topLevel) const {
    SDL_Window* window = sdlWindowOf(topLevel);
    return window ? SDL_GetWindowID(window) : 0;
}

SDL_Window* Mirrors::sdlWindowOf(HWND topLevel) const {
    for (const Mirror& mirror : m_mirrors) {
        if (topLevel && mirror.hwnd == topLevel) {
            return mirror.window;
        }
    }
    return nullptr;
}

} // namespace display::live
