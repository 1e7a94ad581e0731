// The drawing on the desktop: an SDL window of the sheet's size showing the plan, the element under
// the pointer highlighted, and the clicks the person makes on it.
//
// Not done here: zoom, scrolling, resizing the window (the sheet is shown 1:1), keyboard commands.
#pragma once

#include "plan/PlanModel.h"

#include <SDL.h>

#include <optional>
#include <vector>

namespace host::live {

struct PlanClick {
    plan::Point at;
    bool minus = false; // Shift was held
};

class PlanWindow {
public:
    explicit PlanWindow(const plan::PlanModel& plan);
    ~PlanWindow();
    PlanWindow(const PlanWindow&) = delete;
    PlanWindow& operator=(const PlanWindow&) = delete;

    bool isOpen() const { return m_window != nullptr; }
    Uint32 windowId() const { return m_window ? SDL_GetWindowID(m_window) : 0; }

    // Takes an event of this window; clicks are kept for takeClicks, a close marks the window closed.
    void handle(const SDL_Event& event);
    std::vector<PlanClick> takeClicks();
    bool closeRequested() const { return m_closeRequested; }

    // Repaints when the plan, the hover or the desktop asked for it.
    void paint();

private:
    const plan::PlanModel& m_plan;
    SDL_Window* m_window = nullptr;
    std::optional<size_t> m_hovered;
    std::vector<PlanClick> m_clicks;
    bool m_dirty = true;
    unsigned m_paintedRevision = 0;
    bool m_closeRequested = false;
};

} // namespace host::live
