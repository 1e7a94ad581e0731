// Where things sit on the sheet, in sheet pixels: the border that frames the drawing, the title block
// in its lower right corner, and the paper of a summary the dialog asked us to draw.
#pragma once

#include "plan/PlanModel.h"

#include <windows.h>

namespace host::plan {

constexpr int kBorderPen = 2;
// The drawing's border line (drawn with a kBorderPen pen), what lies inside it, and the title block.
RECT SheetBorder();
RECT DrawingArea();
RECT TitleBlock();

// The rectangle of paper behind a summary of `size` (text and its padding) for a click at `at`. It is
// drawn in what the point lies in: the frame of the viewport the user clicked into, else the drawing
// area outside the title block. Below and right of the point it goes where it fits; where it would run
// past an edge it turns to the other side of the point, and where neither side fits it is moved in. A
// summary larger than its viewport's frame goes into the drawing area instead; one larger than that
// keeps the area's top left corner and is cut at the sheet's edge, as paper is.
RECT PlaceSummary(const PlanModel& plan, POINT at, SIZE size);

} // namespace host::plan
