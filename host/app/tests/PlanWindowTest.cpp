// The drawing's window as the person sees and uses it: what it shows where (read back through the
// platform's picture of the window, as a screenshot would), and the clicks it hands to the host.
#include "host/PlanWindow.h"

#include <automation.h>
#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <afxwin.h>

namespace {

using host::PlanWindow;
using host::plan::PlanColours;
using host::plan::PlanModel;

CWinApp theApp(L"plan-window-test");

// The window's picture, read at client coordinates.
class ClientPicture {
public:
    explicit ClientPicture(HWND window) : m_picture(standin::TakeWindowPicture(window)) {
        RECT outer{};
        GetWindowRect(window, &outer);
        ClientToScreen(window, &m_origin);
        m_origin.x -= outer.left;
        m_origin.y -= outer.top;
    }
    COLORREF at(int x, int y) const { return m_picture.at(m_origin.x + x, m_origin.y + y); }
    // Pixels in [left, right) x [top, bottom) that `match` accepts.
    template <class Match> int count(int left, int top, int right, int bottom, Match match) const {
        int found = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                found += match(at(x, y)) ? 1 : 0;
            }
        }
        return found;
    }

private:
    standin::WindowPicture m_picture;
    POINT m_origin{0, 0};
};

bool Bluish(COLORREF c) {
    return GetBValue(c) > 100 && GetRValue(c) < 80 && GetGValue(c) < 100;
}

TEST(PlanWindow, ShowsTheSummaryWhereTheUserClickedAndTheMeasuredElementInBlue) {
    PlanModel plan = PlanModel::Sample();
    PlanWindow window(plan);
    ASSERT_TRUE(window.CreateHidden());
    // A picture is of what the screen shows: on Windows a hidden window has no pixels to copy.
    ShowWindow(window.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    {
        const ClientPicture before(window.GetSafeHwnd());
        EXPECT_EQ(before.count(110, 97, 200, 106, Bluish), 0) << "nothing is measured yet";
    }
    plan.addAnnotation({520, 440}, L"累計 30 mm\\n");
    plan.markMeasured(*plan.hitTest({120, 101}), false); // the kitchen counter
    window.refresh();
    const ClientPicture picture(window.GetSafeHwnd());
    // The paper behind the text, just right of the marker, and text ink somewhere on the first line.
    EXPECT_EQ(picture.at(524, 444), PlanColours::kAnnotationPaper);
    EXPECT_GT(picture.count(
                  526, 446, 600, 462,
                  [](COLORREF c) { return GetBValue(c) > 100 && GetRValue(c) < 80 && GetGValue(c) < 80; }),
              20);
    // Elsewhere on blank paper nothing was drawn.
    EXPECT_EQ(picture.at(520, 520), PlanColours::kPaper);
    EXPECT_GT(picture.count(110, 97, 200, 106, Bluish), 50) << "the measured counter";
}

TEST(PlanWindow, KeepsThePersonsClicksForTheHostWithShiftAsSubtraction) {
    PlanModel plan = PlanModel::Sample();
    PlanWindow window(plan);
    ASSERT_TRUE(window.CreateHidden());
    window.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(window.takeClicks().empty());
    ASSERT_TRUE(automation::ClickAt(window.GetSafeHwnd(), POINT{120, 101}));
    ASSERT_TRUE(automation::ClickAt(window.GetSafeHwnd(), POINT{700, 231}, automation::kShift));
    const auto clicks = window.takeClicks();
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].at.x, 120);
    EXPECT_EQ(clicks[0].at.y, 101);
    EXPECT_FALSE(clicks[0].minus);
    EXPECT_EQ(clicks[1].at.x, 700);
    EXPECT_EQ(clicks[1].at.y, 231);
    EXPECT_TRUE(clicks[1].minus);
    EXPECT_TRUE(window.takeClicks().empty()) << "each click is handed over once";
}

} // namespace
