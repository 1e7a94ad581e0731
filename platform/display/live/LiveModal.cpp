#include "LiveModal.h"

#include "Desktop.h"
#include "ModalLook.h"
#include "Present.h"
#include "Utf8.h"

#include <display.h>

#include <cairo.h>

#include <algorithm>
#include <deque>

namespace display::live {

namespace {

constexpr Uint32 kScriptedAnswerShownMs = 150;

std::deque<unsigned> g_scriptedAnswers;

std::optional<unsigned> TakeScriptedAnswer() {
    if (g_scriptedAnswers.empty()) {
        return std::nullopt;
    }
    const unsigned answer = g_scriptedAnswers.front();
    g_scriptedAnswers.pop_front();
    return answer;
}

bool IsInput(Uint32 type) {
    return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ||
           type == SDL_MOUSEWHEEL || type == SDL_KEYDOWN || type == SDL_KEYUP || type == SDL_TEXTINPUT;
}

template <typename Paint> void Show(SDL_Window* window, int width, int height, Paint paint) {
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(picture);
    paint(cr);
    cairo_destroy(cr);
    PresentPicture(window, picture);
    cairo_surface_destroy(picture);
}

// Where a box of `width` x `height` is centred: over its owner when it has a visible one, else on the
// stand-in screen.
POINT BoxPlace(HWND owner, int width, int height) {
    RECT area{0, 0, standin::kScreenWidth, standin::kScreenHeight};
    if (owner && IsWindow(owner) && IsWindowVisible(owner)) {
        GetWindowRect(GetAncestor(owner, GA_ROOT), &area);
    }
    POINT place{(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2};
    place.x = std::clamp<LONG>(place.x, 0, std::max(0, standin::kScreenWidth - width));
    place.y = std::clamp<LONG>(place.y, 0, std::max(0, standin::kScreenHeight - height));
    return place;
}

int AnswerOfLetter(const BoxLayout& layout, SDL_Keycode key) {
    const struct {
        SDL_Keycode key;
        int answer;
    } letters[] = {{SDLK_y, IDYES}, {SDLK_n, IDNO}, {SDLK_a, IDABORT}, {SDLK_r, IDRETRY}, {SDLK_i, IDIGNORE}};
    for (const auto& letter : letters) {
        if (letter.key == key) {
            for (const BoxButton& button : layout.buttons) {
                if (button.answer == letter.answer) {
                    return button.answer;
                }
            }
        }
    }
    return 0;
}

} // namespace

void LiveModal::QueueAnswer(unsigned answer) {
    g_scriptedAnswers.push_back(answer);
}

SDL_Window* LiveModal::ownerWindow(HWND owner) const {
    if (owner && IsWindow(owner)) {
        if (SDL_Window* window = m_mirrors.sdlWindowOf(GetAncestor(owner, GA_ROOT))) {
            return window;
        }
    }
    return nullptr;
}

bool LiveModal::nextEvent(SDL_Event& e, int timeoutMs) {
    if (!SDL_WaitEventTimeout(&e, timeoutMs)) {
        return false;
    }
    if (e.type == SDL_MOUSEBUTTONUP) {
        m_released(e.button);
    }
    return true;
}

void LiveModal::showBriefly(Uint32 ownWindow, const std::function<void()>& repaint) {
    const Uint32 until = SDL_GetTicks() + kScriptedAnswerShownMs;
    SDL_Event e;
    for (Uint32 now = SDL_GetTicks(); now < until; now = SDL_GetTicks()) {
        if (!nextEvent(e, static_cast<int>(until - now)) || IsInput(e.type)) {
            continue;
        }
        if (e.type == SDL_QUIT) {
            SDL_PushEvent(&e);
            return;
        }
        if (display::EventWindowId(e) != ownWindow) {
            m_forward(e);
        } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
            repaint();
        }
    }
}

int LiveModal::messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    const BoxLayout layout = LayoutMessageBox(text, flags, caption);
    const POINT place = BoxPlace(owner, layout.width, layout.height);
    SDL_Window* window =
        SDL_CreateWindow(ToUtf8(caption).c_str(), place.x, place.y, layout.width, layout.height,
                         SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_HIDDEN);
    const int fallback = layout.dismissAnswer;
    if (!window) {
        return fallback; // no window could be shown: the box answers as if dismissed
    }
    const Uint32 id = SDL_GetWindowID(window);
    SDL_GetWindowSurface(window); // before the desktop's properties: SDL may make the window anew for it
    SDL_Window* above = ownerWindow(owner);
    desktop::SetTitle(window, ToUtf8(caption));
    desktop::KeepAbove(window, above);
    size_t focused = layout.defaultButton;
    int pressed = 0;
    int armed = 0; // the button the mouse went down on
    auto repaint = [&] {
        Show(window, layout.width, layout.height,
             [&](cairo_t* cr) { PaintMessageBox(cr, layout, text, caption, flags, focused, pressed); });
    };
    repaint();
    desktop::ShowWithoutFocus(window);
    desktop::GiveKeyboard(window);

    int answer = 0;
    if (const auto scripted = TakeScriptedAnswer()) {
        showBriefly(id, repaint);
        for (const BoxButton& button : layout.buttons) {
            if (button.answer == static_cast<int>(*scripted)) {
                answer = button.answer;
            }
        }
        if (answer == 0) {
            answer = fallback; // the box has no such button: it is dismissed as by Esc
        }
    }
    while (answer == 0) {
        SDL_Event e;
        if (!nextEvent(e, -1)) {
            answer = fallback; // the desktop's events are gone
            break;
        }
        if (e.type == SDL_QUIT) {
            SDL_PushEvent(&e); // the outer loop must still see the request to quit
            answer = fallback;
        } else if (e.type == SDL_KEYDOWN) {
            const SDL_Keycode key = e.key.keysym.sym;
            const size_t count = layout.buttons.size();
            if (key == SDLK_ESCAPE && layout.escapeAnswer) {
                answer = layout.escapeAnswer;
            } else if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE) {
                answer = layout.buttons[focused].answer;
            } else if (key == SDLK_RIGHT || key == SDLK_DOWN ||
                       (key == SDLK_TAB && !(e.key.keysym.mod & KMOD_SHIFT))) {
                focused = (focused + 1) % count;
            } else if (key == SDLK_LEFT || key == SDLK_UP || key == SDLK_TAB) {
                focused = (focused + count - 1) % count;
            } else {
                answer = AnswerOfLetter(layout, key);
            }
            repaint();
        } else if ((e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) &&
                   e.button.windowID == id && e.button.button == SDL_BUTTON_LEFT) {
            const POINT p{e.button.x, e.button.y};
            if (e.type == SDL_MOUSEBUTTONDOWN) {
                armed = ButtonAt(layout, p);
                if (!armed && PtInRect(&layout.close, p) && layout.escapeAnswer) {
                    answer = layout.escapeAnswer;
                }
            } else if (armed && ButtonAt(layout, p) == armed) {
                answer = armed;
            } else {
                armed = 0;
            }
            pressed = armed;
            repaint();
        } else if (e.type == SDL_MOUSEMOTION && e.motion.windowID == id && armed) {
            const int over = ButtonAt(layout, POINT{e.motion.x, e.motion.y});
            if ((over == armed) != (pressed == armed)) {
                pressed = over == armed ? armed : 0;
                repaint();
            }
        } else if (e.type == SDL_WINDOWEVENT && e.window.windowID == id) {
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                repaint();
            } else if (e.window.event == SDL_WINDOWEVENT_CLOSE && layout.escapeAnswer) {
                answer = layout.escapeAnswer;
            }
        } else if (!IsInput(e.type) && display::EventWindowId(e) != id) {
            m_forward(e);
        }
    }
    SDL_DestroyWindow(window);
    if (above) {
        desktop::GiveKeyboard(above); // the owner is active again, as on Windows
    }
    return answer;
}

UINT LiveModal::popupMenu(HWND owner, POINT at, const std::vector<standin::MenuEntry>& entries) {
    const MenuLayout layout = LayoutMenu(entries);
    // The top left corner at the point, moved back inside the screen where it would leave it.
    POINT place = at;
    if (place.x + layout.width > standin::kScreenWidth) {
        place.x = std::max<LONG>(0, place.x - layout.width);
    }
    if (place.y + layout.height > standin::kScreenHeight) {
        place.y = std::max<LONG>(0, place.y - layout.height);
    }
    SDL_Window* window = SDL_CreateWindow("menu", place.x, place.y, layout.width, layout.height,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU |
                                              SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_HIDDEN);
    if (!window) {
        return 0;
    }
    const Uint32 id = SDL_GetWindowID(window);
    int hot = -1;
    auto repaint = [&] {
        Show(window, layout.width, layout.height, [&](cairo_t* cr) { PaintMenu(cr, layout, entries, hot); });
    };
    repaint();
    desktop::ShowWithoutFocus(window);

    bool open = true;
    UINT chosen = 0;
    auto pick = [&](int entry) {
        if (entry >= 0 && !entries[entry].grayed) {
            chosen = entries[entry].command;
            open = false;
        }
    };
    if (const auto scripted = TakeScriptedAnswer()) {
        showBriefly(id, repaint);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].separator && entries[i].command == *scripted) {
                pick(static_cast<int>(i));
            }
        }
        open = false;
    }
    while (open) {
        SDL_Event e;
        if (!nextEvent(e, -1)) {
            break; // the desktop's events are gone
        }
        const int before = hot;
        if (e.type == SDL_QUIT) {
            SDL_PushEvent(&e);
            open = false;
        } else if (e.type == SDL_KEYDOWN) {
            // The menu holds the keyboard while it is open, whichever window has the desktop's focus.
            switch (e.key.keysym.sym) {
            case SDLK_ESCAPE:
                open = false;
                break;
            case SDLK_DOWN:
                hot = NextEntry(entries, hot, +1);
                break;
            case SDLK_UP:
                hot = NextEntry(entries, hot, -1);
                break;
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                pick(hot);
                break;
            default:
                break;
            }
        } else if (e.type == SDL_MOUSEMOTION && e.motion.windowID == id) {
            hot = EntryAt(layout, entries, POINT{e.motion.x, e.motion.y});
        } else if (e.type == SDL_MOUSEBUTTONUP && e.button.windowID == id) {
            pick(EntryAt(layout, entries, POINT{e.button.x, e.button.y}));
        } else if (e.type == SDL_MOUSEBUTTONDOWN && e.button.windowID != id) {
            open = false; // a click elsewhere dismisses the menu and is not passed on
        } else if (e.type == SDL_WINDOWEVENT && e.window.windowID == id) {
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                repaint();
            }
        } else if (!IsInput(e.type)) {
            m_forward(e);
        }
        if (open && hot != before) {
            repaint();
        }
    }
    SDL_DestroyWindow(window);
    return chosen;
}

} // namespace display::live
