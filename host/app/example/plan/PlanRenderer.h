// Draws the plan with GDI onto a device context whose origin is the sheet's top left: the sheet, the
// viewports with their titles and scale texts, the elements (measured ones in blue, subtracted ones in
// red, the one under the pointer in orange) and the annotations the dialog asked us to draw. The
// drawing's window paints with it (PlanWindow), and every picture of the drawing is a picture of that
// window.
//
// Not done here: caching, partial redraws (the whole sheet is drawn, whatever the paint rectangle),
// printing, antialiased lines (GDI draws them crisp).
#pragma once

#include "plan/PlanModel.h"

#include <windows.h>

#include <optional>

namespace host::plan {

struct PlanView {
    std::optional<size_t> hovered;
};

// Colours that tests look for in pictures of the plan.
struct PlanColours {
    static constexpr COLORREF kPaper = RGB(255, 255, 255);
    static constexpr COLORREF kAnnotationText = RGB(0, 0, 160);
    static constexpr COLORREF kAnnotationPaper = RGB(255, 255, 224);
};

void PaintPlan(HDC dc, const PlanModel& plan, const PlanView& view = {});

} // namespace host::plan
