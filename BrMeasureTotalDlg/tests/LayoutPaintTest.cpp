// The dialog as the user resizes and looks at it: controls following the border, the smallest
// size, the size grip, the colours of the total box and the combos, and the reference pictures.
#include "DialogFixture.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <display.h>

#include <set>
#include <standin/hooks.h>

namespace brio::ui::measure::test {
namespace {

constexpr int kControls[] = {IDC_CHK_DRAW_LIST, IDC_LIST_LENGTH,    IDC_CHK_DRAW_TOTAL, IDC_EDIT_TOTAL,
                             IDC_STATIC_UNIT,   IDC_STATIC_MARUME1, IDC_CMB_MARUME1,    IDC_STATIC_MARUME2,
                             IDC_CMB_MARUME2,   IDC_BUTTON_DRAW,    IDC_BUTTON_DELETE,  IDC_BUTTON_DELETE_ALL,
                             IDC_GROUP_LENGTH,  IDC_UNIT_RADIO1,    IDC_UNIT_RADIO2,    IDC_GROUP_AREA,
                             IDC_UNIT_RADIO4,   IDC_UNIT_RADIO5,    IDC_CHK_CLOSE};

class Layout : public DialogTest {
protected:
    RECT PlaceOf(int id) const {
        RECT place{};
        GetWindowRect(Control(id), &place);
        MapWindowPoints(NULL, Dialog(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    SIZE OuterSize() const {
        RECT outer{};
        GetWindowRect(Dialog(), &outer);
        return {outer.right - outer.left, outer.bottom - outer.top};
    }
    // A client size below the user's smallest one, as only a program can make it: for the moment of
    // the move the window's minimum is lifted in front of the dialog's own answer.
    void SetClientSize(int width, int height) {
        const SIZE outer = OuterSize();
        RECT client{};
        GetClientRect(Dialog(), &client);
        s_dialogProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WithoutMinimum)));
        SetWindowPos(Dialog(), NULL, 0, 0, outer.cx - client.right + width, outer.cy - client.bottom + height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowLongPtrW(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_dialogProc));
        GetClientRect(Dialog(), &client);
        ASSERT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(LONG{width}, LONG{height}));
    }
    static LRESULT CALLBACK WithoutMinimum(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcW(s_dialogProc, hwnd, message, wParam, lParam);
        if (message == WM_GETMINMAXINFO)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {1, 1};
        return result;
    }
    static inline WNDPROC s_dialogProc = nullptr;
};

TEST_F(Layout, ControlsFollowTheBorderAndComeBackExactly) {
    ASSERT_TRUE(Measure(1));
    const SIZE start = OuterSize();
    std::map<int, RECT> before;
    for (int id : kControls)
        before[id] = PlaceOf(id);

    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx + 30, start.cy + 20));
    const std::set<int> right = {IDC_BUTTON_DRAW,  IDC_BUTTON_DELETE, IDC_BUTTON_DELETE_ALL,
                                 IDC_GROUP_LENGTH, IDC_UNIT_RADIO1,   IDC_UNIT_RADIO2,
                                 IDC_GROUP_AREA,   IDC_UNIT_RADIO4,   IDC_UNIT_RADIO5};
    const std::set<int> down = {IDC_STATIC_MARUME1, IDC_CMB_MARUME1,    IDC_STATIC_MARUME2, IDC_CMB_MARUME2,
                                IDC_EDIT_TOTAL,     IDC_CHK_DRAW_TOTAL, IDC_STATIC_UNIT,    IDC_CHK_CLOSE};
    for (int id : kControls) {
        RECT expected = before[id];
        if (right.count(id))
            OffsetRect(&expected, 30, 0);
        else if (down.count(id))
            OffsetRect(&expected, 0, 20);
        else if (id == IDC_LIST_LENGTH)
            expected.right += 30, expected.bottom += 20;
        const RECT now = PlaceOf(id);
        EXPECT_TRUE(EqualRect(&now, &expected)) << id;
    }
    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx, start.cy));
    for (int id : kControls) {
        const RECT now = PlaceOf(id);
        EXPECT_TRUE(EqualRect(&now, &before[id])) << id;
    }
    automation::DragBorderTo(Dialog(), start.cx - 60, start.cy - 40);
    EXPECT_EQ(std::make_pair(OuterSize().cx, OuterSize().cy), std::make_pair(start.cx, start.cy))
        << "never below the size at set-up";
}

// The handler as the window manager reaches it, before set-up: nothing is imposed.
class MinMaxProbe : public MeasureTotalDlg {
public:
    using MeasureTotalDlg::OnGetMinMaxInfo;
};

TEST_F(Layout, BeforeSetUpNoMinimumIsReportedAndANullRecordIsLogged) {
    MinMaxProbe probe;
    MINMAXINFO info{};
    info.ptMinTrackSize = {7, 9};
    probe.OnGetMinMaxInfo(&info);
    EXPECT_EQ(std::make_pair(info.ptMinTrackSize.x, info.ptMinTrackSize.y), (std::pair<LONG, LONG>(7, 9)));
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
    for (int y = 194; y < 200; ++y) { // under "作図後閉じる", which reaches into the square
        for (int x = 284; x < 300; ++x)
            gripPixels += automation::ReadPixel(Dialog(), x, y) != face;
        EXPECT_EQ(automation::ReadPixel(Dialog(), 280, y), face) << y;
    }
    EXPECT_GT(gripPixels, 10);
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

TEST_F(Layout, TheTotalBoxIsLightCyanTheCombosHaveTheWindowColourTheRestTheFace) {
    ASSERT_TRUE(Measure(1));
    const RECT total = PlaceOf(IDC_EDIT_TOTAL);
    EXPECT_EQ(automation::ReadPixel(Dialog(), total.left + 6, (total.top + total.bottom) / 2),
              RGB(204, 255, 255));
    for (int combo : {IDC_CMB_MARUME1, IDC_CMB_MARUME2}) {
        const RECT place = PlaceOf(combo);
        EXPECT_EQ(automation::ReadPixel(Dialog(), place.right - 30, place.top + 4), GetSysColor(COLOR_WINDOW))
            << combo;
    }
    const RECT label = PlaceOf(IDC_STATIC_MARUME1);
    EXPECT_EQ(automation::ReadPixel(Dialog(), label.right - 1, label.bottom - 1), GetSysColor(COLOR_3DFACE));
}

// The controls ask as Windows' do; the combos' text background follows a new window colour, while
// their brush stays the one made at set-up.
TEST_F(Layout, AfterTheWindowColourChangesTheCombosTextFollowsAndTheBrushStays) {
    ASSERT_TRUE(Measure(1));
    HDC dc = GetDC(Dialog());
    auto ask = [&](int id) {
        return reinterpret_cast<HBRUSH>(SendMessageW(Dialog(), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(Control(id))));
    };
    const HBRUSH comboBrush = ask(IDC_CMB_MARUME1);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    const int element = COLOR_WINDOW;
    const COLORREF previous = GetSysColor(COLOR_WINDOW), changed = RGB(250, 240, 200);
    SetSysColors(1, &element, &changed);
    EXPECT_EQ(ask(IDC_CMB_MARUME2), comboBrush);
    EXPECT_EQ(GetBkColor(dc), changed);
    EXPECT_NE(ask(IDC_EDIT_TOTAL), comboBrush);
    EXPECT_EQ(GetBkColor(dc), RGB(204, 255, 255));
    SetSysColors(1, &element, &previous);
    ReleaseDC(Dialog(), dc);
}

// The documentation's pictures (doc/pictures): five rows, one subtracted and one area, and the
// total; at the template's size and larger; and a list of lengths with its unit label.
TEST_F(Layout, PicturesOfTheDialog) {
    auto write = [&](const char* name) {
        const auto path = PictureDirectory() / name;
        ASSERT_TRUE(display::WriteWindowPng(Dialog(), path.string())) << path;
    };
    StoreSetting(L"marume1", _variant_t(3));
    StoreSetting(L"drawTotal", _variant_t(1));
    const TMSRDATA rows[] = {
        Measurement(1250.5, FALSE, 0, L"1/100", L"線分"), Measurement(380.25, TRUE, 0, L"1/100", L"円弧"),
        Measurement(2400, FALSE, 0, L"1/50", L"折れ線"), Measurement(912.75, FALSE, 0, L"1/200", L"線分"),
        Measurement(64000, FALSE, 1, L"1/100", L"多角形")};
    for (const TMSRDATA& row : rows)
        ASSERT_TRUE(Measure(row));
    write("measure-total-default.png");
    const SIZE start = OuterSize();
    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx + 120, start.cy + 80));
    write("measure-total-resized.png");

    ASSERT_TRUE(automation::DragBorderTo(Dialog(), start.cx, start.cy));
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    StoreSetting(L"marume1", _variant_t(4));
    StoreSetting(L"unit1", _variant_t(1));
    for (int row = 0; row < 3; ++row)
        ASSERT_TRUE(Measure(rows[row]));
    write("measure-total-metres.png");
}

} // namespace
} // namespace brio::ui::measure::test
