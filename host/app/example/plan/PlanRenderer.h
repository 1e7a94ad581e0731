// Draws the plan onto a cairo context: the sheet, the viewports with their titles and scale texts, the
// elements (measured ones in blue, subtracted ones in red, the one under the pointer in orange) and the
// annotations the dialog asked us to draw. The PNG of the sample and the live window use the same
// drawing.
//
// Not done here: caching, partial redraws, printing, hinting settings (the defaults of cairo apply).
#pragma once

#include "plan/PlanModel.h"

#include <cairo.h>

#include <optional>
#include <string>

namespace host::plan {

struct PlanView {
    std::optional<size_t> hovered;
};

// Colours that tests look for in pictures of the plan.
struct PlanColours {
    static constexpr unsigned char kAnnotationText[3] = {0, 0, 160};
    static constexpr unsigned char kAnnotationPaper[3] = {255, 255, 224};
};

void PaintPlan(cairo_t* cr, const PlanModel& plan, const PlanView& view = {});
// A new ARGB32 surface of the sheet's size with the plan drawn; the caller destroys it.
cairo_surface_t* RenderPlan(const PlanModel& plan, const PlanView& view = {});
bool WritePlanPng(const PlanModel& plan, const std::string& path);

} // namespace host::plan
