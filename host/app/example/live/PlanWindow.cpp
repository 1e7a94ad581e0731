#include "live/PlanWindow.h"

#include "plan/PlanRenderer.h"

namespace host::live {

namespace {

// The dialog opens at the screen's top left (its template's place); the drawing goes below it.
constexpr int kTop = 240;

} // namespace

PlanWindow::PlanWindow(const plan::PlanModel& plan) : m_plan(plan) {
    m_window = SDL_CreateWindow("measure-host 図面", 0, kTop, plan::PlanModel::kSheetWidth,
                                plan::PlanModel::kSheetHeight, 0);
}

PlanWindow::~PlanWindow() {
    if (m_window) {
        SDL_DestroyWindow(m_window);
    }
}

void PlanWindow::handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        const auto hovered = m_plan.hitTest(plan::Point{double(event.motion.x), double(event.motion.y)});
        if (hovered != m_hovered) {
            m_hovered = hovered;
            m_dirty = true;
        }
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) {
            m_clicks.push_back(PlanClick{plan::Point{double(event.button.x), double(event.button.y)},
                                         (SDL_GetModState() & KMOD_SHIFT) != 0});
        }
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            m_dirty = true;
        } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            m_closeRequested = true;
        }
        break;
    default:
        break;
    }
}

std::vector<PlanClick> PlanWindow::takeClicks() {
    std::vector<PlanClick> clicks;
    clicks.swap(m_clicks);
    return clicks;
}

void PlanWindow::paint() {
    if (!m_window || !(m_dirty || m_paintedRevision != m_plan.revision())) {
        return;
    }
    m_dirty = false;
    m_paintedRevision = m_plan.revision();
    cairo_surface_t* picture = plan::RenderPlan(m_plan, plan::PlanView{m_hovered});
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(picture), cairo_image_surface_get_width(picture),
        cairo_image_surface_get_height(picture), 32, cairo_image_surface_get_stride(picture),
        SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (source && target) {
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(source, nullptr, target, nullptr);
        SDL_UpdateWindowSurface(m_window);
    }
    SDL_FreeSurface(source);
    cairo_surface_destroy(picture);
}

} // namespace host::live
