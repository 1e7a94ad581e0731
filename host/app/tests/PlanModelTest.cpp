// The sample plan as the user meets it: what a click at a place of the sheet measures, and how the
// dialog's summary lands in the drawing.
#include "plan/PlanModel.h"
#include "plan/PlanRenderer.h"

#include <gtest/gtest.h>

#include <cairo.h>

using host::plan::Measurement;
using host::plan::PlanColours;
using host::plan::PlanModel;
using host::plan::Point;

namespace {

TEST(PlanModel, ClickMeasuresTheElementUnderThePointer) {
    const PlanModel plan = PlanModel::Sample();
    const struct {
        Point at;
        const wchar_t* element;
        const wchar_t* scale;
        double value;
        bool area;
    } cases[] = {
        {{100, 200}, L"面積", L"1/100", 27'000'000, true},  // inside LDK, away from its lines
        {{120, 101}, L"線分", L"1/100", 3000, false},       // 3 px from the kitchen counter: a line wins
        {{388, 330}, L"面積", L"1/100", 11'340'000, true},  // the L-shaped room
        {{100, 336}, L"ポリライン", L"1/100", 6900, false}, // the skirting run
        {{700, 160}, L"面積", L"1/50", 1'200'000, true},    // the bathtub, inside the bathroom: smallest wins
        {{770, 250}, L"面積", L"1/50", 4'800'000, true},    // the bathroom itself
        {{700, 231}, L"線分", L"1/50", 2000, false},        // a detail line at 1/50
    };
    for (const auto& c : cases) {
        const auto hit = plan.hitTest(c.at);
        ASSERT_TRUE(hit.has_value()) << c.at.x << "," << c.at.y;
        const Measurement m = plan.measure(*hit);
        EXPECT_EQ(m.element, c.element) << c.at.x << "," << c.at.y;
        EXPECT_EQ(m.scale, c.scale) << c.at.x << "," << c.at.y;
        EXPECT_DOUBLE_EQ(m.value, c.value) << c.at.x << "," << c.at.y;
        EXPECT_EQ(m.area, c.area) << c.at.x << "," << c.at.y;
    }
    EXPECT_FALSE(plan.hitTest({500, 500}).has_value()); // blank paper
}

TEST(PlanModel, SummaryLinesSplitAtTheTwoCharacterSeparator) {
    using Lines = std::vector<std::wstring>;
    EXPECT_EQ(PlanModel::SplitSummaryLines(L"1 1/100 線分  3000 mm\\n累計 3000 mm\\n"),
              (Lines{L"1 1/100 線分  3000 mm", L"累計 3000 mm"}));
    EXPECT_EQ(PlanModel::SplitSummaryLines(L"a\\nb"), (Lines{L"a", L"b"}));
    EXPECT_EQ(PlanModel::SplitSummaryLines(L" "), (Lines{L" "}));
    EXPECT_EQ(PlanModel::SplitSummaryLines(L""), Lines{});
    EXPECT_EQ(PlanModel::SplitSummaryLines(L"a\nb"), (Lines{L"a\nb"})); // a real line feed is not ours
}

TEST(PlanPicture, AnnotationIsDrawnAtTheClickedPoint) {
    PlanModel plan = PlanModel::Sample();
    plan.addAnnotation({520, 440}, L"累計 30 mm\\n");
    cairo_surface_t* surface = host::plan::RenderPlan(plan);
    ASSERT_EQ(cairo_surface_status(surface), CAIRO_STATUS_SUCCESS);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    auto pixel = [&](int x, int y) {
        const unsigned char* p = data + y * stride + x * 4; // BGRA in memory on little-endian
        return std::array<int, 3>{p[2], p[1], p[0]};
    };
    // The paper behind the text, just right of the marker, and text ink somewhere on the first line.
    const auto& paper = PlanColours::kAnnotationPaper;
    EXPECT_EQ(pixel(524, 444), (std::array<int, 3>{paper[0], paper[1], paper[2]}));
    int inkPixels = 0;
    for (int y = 446; y < 462; ++y) {
        for (int x = 526; x < 600; ++x) {
            const auto c = pixel(x, y);
            inkPixels += c[2] > 100 && c[0] < 80 && c[1] < 80;
        }
    }
    EXPECT_GT(inkPixels, 20);
    // Elsewhere on blank paper nothing was drawn.
    EXPECT_EQ(pixel(520, 520), (std::array<int, 3>{255, 255, 255}));
    cairo_surface_destroy(surface);
}

} // namespace
