// The dialog as the user resizes and looks at it: controls following the border, the smallest
// size, the size grip, the colours of the total box and the combos, and the reference pictures.
#include "DialogHarness.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <display.h>
#include <standin/hooks.h>

#include <map>

namespace brio::ui::measure::test {
namespace {

class Layout : public DialogTest {
protected:
    RECT PlaceOf(int id) const {
        RECT place{};
        GetWindowRect(Control(id), &place);
        MapWindowPoints(NULL, Dialog(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    std::map<int, RECT> Places() const {
        std::map<int, RECT> places;
        for (int id : kAllControls)
            places[id] = PlaceOf(id);
        return places;
    }
    SIZE OuterSize() const {
        RECT outer{};
        GetWindowRect(Dialog(), &outer);
        return {outer.right - outer.left, outer.bottom - outer.top};
    }
    // Gives the dialog a client size below the user's smallest one, as only a program can: for the
    // moment of the move, the window's minimum is lifted in front of the dialog's own answer.
    void SetClientSize(int width, int height) {
        RECT outer{}, client{};
        GetWindowRect(Dialog(), &outer);
        GetClientRect(Dialog(), &client);
        s_previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WithoutMinimum)));
        SetWindowPos(Dialog(), NULL, 0, 0, (outer.right - outer.left) - client.right + width,
                     (outer.bottom - outer.top) - client.bottom + height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowLongPtrW(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_previousProc));
        automation::Pump();
        GetClientRect(Dialog(), &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }
    static LRESULT CALLBACK WithoutMinimum(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcW(s_previousProc, hwnd, message, wParam, lParam);
        if (message == WM_GETMINMAXINFO)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {1, 1};
        return result;
    }
    static inline WNDPROC s_previousProc = nullptr;

    static constexpr int kAllControls[] = {1313, 1348, 1314, 1316, 1350, 1311, 1355, 1312, 1356, 1271,
                                           1351, 1349, 5031, 1016, 1017, 5032, 1019, 1020, 1315};
};

struct Shift {
    int dx, dy, grow;
};

// How each control follows a drag that makes the dialog 30 wider and 20 taller.
const std::map<int, Shift> kFollows = {
    {1271, {30, 0, 0}}, {1351, {30, 0, 0}}, {1349, {30, 0, 0}}, {5031, {30, 0, 0}}, {1016, {30, 0, 0}},
    {1017, {30, 0, 0}}, {5032, {30, 0, 0}}, {1019, {30, 0, 0}}, {1020, {30, 0, 0}}, {1311, {0, 20, 0}},
    {1355, {0, 20, 0}}, {1312, {0, 20, 0}}, {1356, {0, 20, 0}}, {1316, {0, 20, 0}}, {1314, {0, 20, 0}},
    {1350, {0, 20, 0}}, {1315, {0, 20, 0}}, {1348, {0, 0, 1}},  {1313, {0, 0, 0}},
};

TEST_F(Layout, ControlsFollowTheBorderAndComeBackExactly) {
    ASSERT_TRUE(Measure(1));
    const SIZE start = OuterSize();
    const std::map<int, RECT> before = Places();

    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx + 30, start.cy + 20));
    const std::map<int, RECT> after = Places();
    for (const auto& [id, shift] : kFollows) {
        const RECT& was = before.at(id);
        const RECT& now = after.at(id);
        EXPECT_EQ(now.left - was.left, shift.dx) << id;
        EXPECT_EQ(now.top - was.top, shift.dy) << id;
        EXPECT_EQ((now.right - now.left) - (was.right - was.left), shift.grow * 30) << id;
        EXPECT_EQ((now.bottom - now.top) - (was.bottom - was.top), shift.grow * 20) << id;
    }

    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx, start.cy));
    const std::map<int, RECT> back = Places();
    for (int id : kAllControls)
        EXPECT_TRUE(EqualRect(&back.at(id), &before.at(id))) << id;
}

TEST_F(Layout, TheDialogCannotBeDraggedBelowItsSizeAtSetUp) {
    ASSERT_TRUE(Measure(1));
    const SIZE start = OuterSize();
    automation::DragBorderTo(Dialog(), start.cx - 60, start.cy - 40);
    EXPECT_EQ(OuterSize().cx, start.cx);
    EXPECT_EQ(OuterSize().cy, start.cy);
}

// The handler itself, reached as the window manager reaches it: before set-up nothing is imposed.
class MinMaxProbe : public MeasureTotalDlg {
public:
    using MeasureTotalDlg::OnGetMinMaxInfo;
};

TEST_F(Layout, BeforeSetUpNoMinimumIsReportedAndANullRecordIsLogged) {
    MinMaxProbe probe;
    MINMAXINFO info{};
    info.ptMinTrackSize = {7, 9};
    probe.OnGetMinMaxInfo(&info);
    EXPECT_EQ(info.ptMinTrackSize.x, 7);
    EXPECT_EQ(info.ptMinTrackSize.y, 9);

    m_log.clear();
    probe.OnGetMinMaxInfo(nullptr);
    EXPECT_EQ(m_log.transcript(),
              Transcript({{4, L'-', L"MeasureTotalDlg: OnGetMinMaxInfo(): lpMMI == NULL!!"}}));
}

TEST_F(Layout, TheGripFillsTheCornerSquareAndTheFaceIsLeftOfIt) {
    ASSERT_TRUE(Measure(1));
    SetClientSize(300, 200);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    int gripPixels = 0;
    for (int y = 194; y < 200; ++y)
        for (int x = 284; x < 300; ++x)
            gripPixels += automation::ReadPixel(Dialog(), x, y) != face;
    EXPECT_GT(gripPixels, 0) << "the grip's lines show in its square";
    for (int y = 194; y < 200; ++y)
        EXPECT_EQ(automation::ReadPixel(Dialog(), 280, y), face) << y;
    EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(Layout, AClientSixteenPixelsWideDrawsNoGripAndSaysSo) {
    ASSERT_TRUE(Measure(1));
    SetClientSize(16, 100);
    m_log.clear();
    standin::ClearMessageBoxes();
    automation::ReadPixel(Dialog(), 8, 50);
    EXPECT_NE(m_log.transcript().find("3 - MeasureTotalDlg: OnPaint(): client rect = {l0 t0 r16 b100}\n"),
              std::string::npos)
        << m_log.transcript();
    const auto boxes = standin::MessageBoxes();
    ASSERT_FALSE(boxes.empty());
    for (const auto& box : boxes)
        EXPECT_EQ(box.text, L"MeasureTotalDlg: OnPaint(): クライアントサイズが異常です！");
}

TEST_F(Layout, TheTotalBoxIsLightCyanAndTheCombosHaveTheWindowColour) {
    ASSERT_TRUE(Measure(1));
    const RECT total = PlaceOf(1316);
    // Left part of the right-aligned box: background, not text.
    EXPECT_EQ(automation::ReadPixel(Dialog(), total.left + 6, (total.top + total.bottom) / 2),
              RGB(204, 255, 255));
    for (int combo : {1355, 1356}) {
        const RECT place = PlaceOf(combo);
        EXPECT_EQ(automation::ReadPixel(Dialog(), place.right - 30, place.top + 4), GetSysColor(COLOR_WINDOW))
            << combo;
    }
    const RECT label = PlaceOf(1311);
    EXPECT_EQ(automation::ReadPixel(Dialog(), label.right - 1, label.bottom - 1), GetSysColor(COLOR_3DFACE));
}

TEST_F(Layout, AfterTheWindowColourChangesTheCombosTextFollowsAndTheBrushStays) {
    ASSERT_TRUE(Measure(1));
    HDC dc = GetDC(Dialog());
    auto ask = [&](int id) {
        return reinterpret_cast<HBRUSH>(SendMessageW(Dialog(), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(Control(id))));
    };
    const HBRUSH comboBrush = ask(1355);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));

    const int element = COLOR_WINDOW;
    const COLORREF previous = GetSysColor(COLOR_WINDOW);
    const COLORREF changed = RGB(250, 240, 200);
    SetSysColors(1, &element, &changed);
    EXPECT_EQ(ask(1356), comboBrush);
    EXPECT_EQ(GetBkColor(dc), changed);
    EXPECT_NE(ask(1316), comboBrush);
    EXPECT_EQ(GetBkColor(dc), RGB(204, 255, 255));
    SetSysColors(1, &element, &previous);
    ReleaseDC(Dialog(), dc);
}

// The documentation's pictures: five rows (one subtracted, one area), the total and, for a list of
// lengths, the unit label; at the template's size and after the user made the dialog larger.
class Pictures : public DialogTest {
protected:
    void Write(const char* name) {
        const auto path = PictureDirectory() / name;
        ASSERT_TRUE(display::WriteWindowPng(Dialog(), path.string())) << path;
        EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
    }
};

TEST_F(Pictures, TheDialogAtItsTemplateSizeAndLarger) {
    StoreSetting(L"marume1", _variant_t(3, VT_INT));
    StoreSetting(L"drawTotal", _variant_t(1, VT_INT));
    ASSERT_TRUE(Measure(Measurement(1250.5, FALSE, 0, L"1/100", L"線分")));
    ASSERT_TRUE(Measure(Measurement(380.25, TRUE, 0, L"1/100", L"円弧")));
    ASSERT_TRUE(Measure(Measurement(2400, FALSE, 0, L"1/50", L"折れ線")));
    ASSERT_TRUE(Measure(Measurement(912.75, FALSE, 0, L"1/200", L"線分")));
    ASSERT_TRUE(Measure(Measurement(64000, FALSE, 1, L"1/100", L"多角形")));
    Write("measure-total-default.png");
    const SIZE start = [&] {
        RECT outer{};
        GetWindowRect(Dialog(), &outer);
        return SIZE{outer.right - outer.left, outer.bottom - outer.top};
    }();
    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx + 120, start.cy + 80));
    Write("measure-total-resized.png");
}

TEST_F(Pictures, ALengthListInMetresWithItsUnit) {
    StoreSetting(L"marume1", _variant_t(4, VT_INT));
    StoreSetting(L"unit1", _variant_t(1, VT_INT));
    ASSERT_TRUE(Measure(Measurement(1250.5, FALSE, 0, L"1/100", L"線分")));
    ASSERT_TRUE(Measure(Measurement(380.25, TRUE, 0, L"1/100", L"円弧")));
    ASSERT_TRUE(Measure(Measurement(2400, FALSE, 0, L"1/50", L"折れ線")));
    Write("measure-total-metres.png");
}

} // namespace
} // namespace brio::ui::measure::test
