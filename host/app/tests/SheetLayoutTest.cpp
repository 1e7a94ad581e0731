// Where the dialog's summary is drawn on the sheet: beside the click, inside the viewport frame the
// user clicked in (or the drawing area outside the title block), never past the lines around it.
#include "plan/SheetLayout.h"

#include <gtest/gtest.h>

#include <string>

using host::plan::DrawingArea;
using host::plan::PlaceSummary;
using host::plan::PlanModel;
using host::plan::TitleBlock;
using host::plan::Viewport;

namespace {

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + ")";
}

bool Inside(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

RECT FrameOf(const Viewport& view) {
    return RECT{static_cast<LONG>(view.left), static_cast<LONG>(view.top), static_cast<LONG>(view.right),
                static_cast<LONG>(view.bottom)};
}

const Viewport& Detail(const PlanModel& plan) {
    return plan.viewports().at(1); // the bathroom at 1/50
}

constexpr SIZE kFiveLines{130, 94}; // four rows and the total, as the sample draws them

TEST(SheetLayout, TheSummaryStaysInsideTheFrameOrTheDrawingItWasClickedIn) {
    const PlanModel plan = PlanModel::Sample();
    const RECT area = DrawingArea();
    for (SIZE size : {kFiveLines, SIZE{60, 17}, SIZE{240, 200}, SIZE{300, 420}}) {
        for (LONG x = 10; x < PlanModel::kSheetWidth - 10; x += 14) {
            for (LONG y = 10; y < PlanModel::kSheetHeight - 10; y += 14) {
                const POINT at{x, y};
                const RECT paper = PlaceSummary(plan, at, size);
                EXPECT_EQ(paper.right - paper.left, size.cx);
                EXPECT_EQ(paper.bottom - paper.top, size.cy);
                const Viewport* clickedIn = nullptr;
                for (const Viewport& view : plan.viewports()) {
                    if (x >= view.left && x <= view.right && y >= view.top && y <= view.bottom) {
                        clickedIn = &view;
                    }
                }
                const RECT frame = clickedIn ? FrameOf(*clickedIn) : RECT{};
                const bool fitsFrame = clickedIn && size.cx < frame.right - frame.left - 2 &&
                                       size.cy < frame.bottom - frame.top - 2;
                if (fitsFrame) {
                    EXPECT_TRUE(Inside(frame, paper)) << "click " << x << "," << y << ": " << Text(paper);
                } else {
                    EXPECT_TRUE(Inside(area, paper)) << "click " << x << "," << y << ": " << Text(paper);
                    EXPECT_FALSE(Overlap(paper, TitleBlock()))
                        << "click " << x << "," << y << ": " << Text(paper);
                }
            }
        }
    }
}

TEST(SheetLayout, TheSummaryTurnsToTheFreeSideOfThePointAndElseIsMovedIn) {
    const PlanModel plan = PlanModel::Sample();
    // Open paper: below and right of the point, just clear of its marker.
    const RECT open = PlaceSummary(plan, POINT{470, 430}, kFiveLines);
    EXPECT_GT(open.left, 470);
    EXPECT_LT(open.left, 470 + 8);
    EXPECT_GT(open.top, 430);
    EXPECT_LT(open.top, 430 + 8);
    // The detail line near the bathroom frame's lower right corner: left of and above the point.
    const RECT detail = PlaceSummary(plan, POINT{770, 290}, kFiveLines);
    EXPECT_LT(detail.right, 770);
    EXPECT_LT(detail.bottom, 290);
    EXPECT_TRUE(Inside(FrameOf(Detail(plan)), detail)) << Text(detail);
    // Neither side of the point is wide enough: moved in, inside the frame still.
    const RECT middle = PlaceSummary(plan, POINT{696, 190}, SIZE{200, 60});
    EXPECT_TRUE(Inside(FrameOf(Detail(plan)), middle)) << Text(middle);
    // Next to the title block: above it.
    const RECT corner = PlaceSummary(plan, POINT{700, 520}, kFiveLines);
    EXPECT_LE(corner.bottom, TitleBlock().top) << Text(corner);
    // Larger than the whole drawing: it keeps the drawing's top left corner.
    const RECT huge = PlaceSummary(plan, POINT{400, 300}, SIZE{2000, 2000});
    EXPECT_GE(huge.left, DrawingArea().left);
    EXPECT_GE(huge.top, DrawingArea().top);
    EXPECT_LT(huge.left, DrawingArea().left + 8);
    EXPECT_LT(huge.top, DrawingArea().top + 8);
}

} // namespace
