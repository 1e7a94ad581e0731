// Where a person's click on a mirror lands, as Windows' input routing decides it: the deepest visible
// child under the pointer, through group boxes (which let clicks pass to the radios they frame), and
// nowhere at all on a disabled control; static texts let it through.
#include "../LiveInput.h"

#include <gtest/gtest.h>

#include <windows.h>

using display::live::ChildUnderPoint;

namespace {

HWND Child(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class ClickRouting : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"ClickRoutingTop";
        RegisterClassW(&wc);
        m_top = CreateWindowExW(0, L"ClickRoutingTop", L"top", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
        // In template order: the frame first, then the radio inside it, as the dialog has them.
        m_group = Child(m_top, L"BUTTON", BS_GROUPBOX, 10, 10, 120, 100, 5031);
        m_radio = Child(m_top, L"BUTTON", BS_AUTORADIOBUTTON, 20, 30, 80, 20, 1016);
        m_disabled = Child(m_top, L"BUTTON", BS_PUSHBUTTON | WS_DISABLED, 150, 10, 80, 24, 1271);
        m_hidden = Child(m_top, L"BUTTON", BS_PUSHBUTTON, 150, 50, 80, 24, 1351);
        ShowWindow(m_hidden, SW_HIDE);
        m_total = Child(m_top, L"EDIT", ES_READONLY, 150, 100, 120, 30, 1316);
        m_label = Child(m_top, L"STATIC", 0, 150, 140, 60, 20, 1350);
    }
    void TearDown() override { DestroyWindow(m_top); }

    HWND at(int x, int y) const {
        POINT screen{x, y};
        ClientToScreen(m_top, &screen);
        return ChildUnderPoint(m_top, screen);
    }

    HWND m_top = nullptr, m_group = nullptr, m_radio = nullptr, m_disabled = nullptr, m_hidden = nullptr,
         m_total = nullptr, m_label = nullptr;
};

TEST_F(ClickRouting, ReachesTheControlAPersonWouldClick) {
    const struct {
        int x, y;
        HWND expected;
        const char* what;
    } cases[] = {
        {30, 35, m_radio, "a radio inside its group box"},
        {100, 90, m_top, "the group box's own area passes to the dialog"},
        {160, 20, nullptr, "a disabled button takes no click"},
        {160, 60, m_top, "a hidden button is not there"},
        {200, 110, m_total, "a read-only edit"},
        {160, 150, m_top, "a static text lets the click through, as Windows' statics do"},
        {280, 20, m_top, "the dialog's own face"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(at(c.x, c.y), c.expected) << c.what;
    }
    EXPECT_NE(m_group, nullptr);
}

} // namespace
