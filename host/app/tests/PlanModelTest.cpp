// The sample plan as the user meets it: what a click at a place of the sheet measures, and how the
// dialog's summary is split into the lines drawn.
#include "plan/PlanModel.h"

#include <gtest/gtest.h>

using host::plan::Measurement;
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

} // namespace
