// Mouse actions of the simulated user: moving, clicking, right-clicking, and hovering to read the
// tooltip that shows.
#include "automation.h"

#include "input.h"

#include <cwchar>
#include <vector>

namespace automation {

void MoveMouse(POINT screen) {
    input::PostMouse(WM_MOUSEMOVE, screen, 0);
}

BOOL Click(HWND control, unsigned modifiers) {
    if (!IsWindow(control) || !IsWindowVisible(control)) {
        return FALSE;
    }
    HWND pressed = input::ClickScreen(input::CentreOnScreen(control), WM_LBUTTONDOWN, modifiers);
    // A disabled control's click lands on its parent: the control itself was not clicked.
    return input::IsSameOrInside(control, pressed) && input::InputReaches(pressed) ? TRUE : FALSE;
}

BOOL ClickAt(HWND window, POINT client, unsigned modifiers) {
    if (!IsWindow(window) || !IsWindowVisible(window)) {
        return FALSE;
    }
    POINT screen = client;
    ClientToScreen(window, &screen);
    HWND pressed = input::ClickScreen(screen, WM_LBUTTONDOWN, modifiers);
    return input::IsSameOrInside(window, pressed) && input::InputReaches(pressed) ? TRUE : FALSE;
}

BOOL RightClickAt(HWND window, POINT client) {
    if (!IsWindow(window) || !IsWindowVisible(window)) {
        return FALSE;
    }
    POINT screen = client;
    ClientToScreen(window, &screen);
    HWND pressed = input::ClickScreen(screen, WM_RBUTTONDOWN, kNone);
    return input::IsSameOrInside(window, pressed) && input::InputReaches(pressed) ? TRUE : FALSE;
}

namespace {

bool IsVisibleTooltip(HWND hwnd) {
    wchar_t name[32] = {};
    return IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 32) > 0 &&
           std::wcscmp(name, L"tooltips_class32") == 0;
}

std::wstring TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

// A point just outside `control` where the pointer is over its parent's own face: the way in that a
// person's pointer takes, leaving whatever it was over before.
bool ApproachPoint(HWND control, POINT* approach) {
    HWND parent = GetParent(control);
    RECT rect{};
    if (!parent || !GetWindowRect(control, &rect)) {
        return false;
    }
    for (int distance = 2; distance <= 8; distance += 3) {
        const POINT candidates[] = {{rect.left - distance, (rect.top + rect.bottom) / 2},
                                    {(rect.left + rect.right) / 2, rect.top - distance},
                                    {rect.right - 1 + distance, (rect.top + rect.bottom) / 2},
                                    {(rect.left + rect.right) / 2, rect.bottom - 1 + distance}};
        for (const POINT& candidate : candidates) {
            if (WindowFromPoint(candidate) == parent) {
                *approach = candidate;
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::wstring Hover(HWND control) {
    if (!IsWindow(control)) {
        return {};
    }
    POINT approach{};
    if (ApproachPoint(control, &approach)) {
        input::PostMouse(WM_MOUSEMOVE, approach, 0);
    }
    input::PostMouse(WM_MOUSEMOVE, input::CentreOnScreen(control), 0);
    // The tip is a top-level popup; look among the top-level windows for a tooltip that shows.
    HWND root = GetAncestor(control, GA_ROOT);
    const auto shownTip = [root]() -> HWND {
        for (HWND top = GetWindow(root, GW_HWNDFIRST); top; top = GetWindow(top, GW_HWNDNEXT)) {
            if (IsVisibleTooltip(top)) {
                return top;
            }
        }
        return nullptr;
    };
#ifdef _WIN32
    // The system's tooltip shows a tip without delay from a timer, and a timer is at least
    // USER_TIMER_MINIMUM long: the pointer rests for two of them, as a person's does.
    for (int wait = 0; wait < 2 && !shownTip(); ++wait) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, USER_TIMER_MINIMUM, QS_ALLINPUT);
        Pump();
    }
#endif
    HWND tip = shownTip();
    return tip ? TextOf(tip) : std::wstring();
}

} // namespace automation
