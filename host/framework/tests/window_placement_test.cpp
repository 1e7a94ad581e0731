// A window's place kept by saveWindow and given back by restoreWindow: position and size come back,
// never smaller than the window's template size, always wholly on the 1280x1024 screen.
#include "TestSupport.h"
#include "WindowGeometry.h"

#include <brio/core/ProfileStore.h>

namespace brio::test {
namespace {

TEST(RestoredPlacement, KeepsSizeAtLeastTheTemplateAndStaysOnScreen) {
    const SIZE screen{1280, 1024};
    const RECT templateSize{0, 0, 374, 230};
    struct Case {
        const char* name;
        RECT saved;
        RECT expected;
    } const cases[] = {
        {"as saved", {100, 50, 600, 450}, {100, 50, 600, 450}},
        {"smaller than the template grows to it", {100, 50, 200, 100}, {100, 50, 474, 280}},
        {"past the right and bottom edges moves in", {1100, 900, 1500, 1200}, {880, 724, 1280, 1024}},
        {"above and left of the screen moves in", {-300, -40, 100, 300}, {0, 0, 400, 340}},
        {"larger than the screen shrinks to it", {-10, -10, 2000, 1500}, {0, 0, 1280, 1024}},
        {"inverted rectangle takes the template size", {200, 200, 100, 100}, {200, 200, 574, 430}},
    };
    for (const Case& c : cases) {
        const RECT placed = detail::placeRestoredWindow(c.saved, templateSize, screen);
        EXPECT_EQ(placed.left, c.expected.left) << c.name;
        EXPECT_EQ(placed.top, c.expected.top) << c.name;
        EXPECT_EQ(placed.right, c.expected.right) << c.name;
        EXPECT_EQ(placed.bottom, c.expected.bottom) << c.name;
    }
}

LRESULT CALLBACK plainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class WindowPlacement : public LoggedTest {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &plainWindowProc;
        wc.lpszClassName = L"BrioPlacementTestWindow";
        RegisterClassW(&wc);
    }
    void SetUp() override {
        LoggedTest::SetUp();
        server().setLogLevel(3);
    }
    void TearDown() override {
        for (HWND window : m_windows)
            DestroyWindow(window);
        LoggedTest::TearDown();
    }
    HWND makeWindow(int x, int y, int width, int height) {
        HWND window = CreateWindowExW(0, L"BrioPlacementTestWindow", L"placement", WS_POPUP, x, y, width,
                                      height, nullptr, nullptr, nullptr, nullptr);
        m_windows.push_back(window);
        return window;
    }
    static RECT rectOf(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }

    TempFolder m_folder;
    std::unique_ptr<core::ProfileStore> m_store =
        core::ProfileStore::openFile((m_folder / "s.sqlite3").wstring());
    std::vector<HWND> m_windows;
};

TEST_F(WindowPlacement, RestoresWhereTheUserLeftItInANewWindow) {
    HWND first = makeWindow(100, 80, 374, 230);
    SetWindowPos(first, nullptr, 300, 200, 500, 400,
                 SWP_NOZORDER | SWP_NOACTIVATE); // the user moved and grew it
    ASSERT_TRUE(m_store->saveWindow(first, L"MeasureTotalDlg"));
    DestroyWindow(first);

    HWND second = makeWindow(0, 0, 374, 230); // a new window at its template size
    ASSERT_TRUE(m_store->restoreWindow(second, L"MeasureTotalDlg"));
    const RECT placed = rectOf(second);
    EXPECT_EQ(placed.left, 300);
    EXPECT_EQ(placed.top, 200);
    EXPECT_EQ(placed.right - placed.left, 500);
    EXPECT_EQ(placed.bottom - placed.top, 400);
}

TEST_F(WindowPlacement, NothingSavedLeavesTheWindowWhereItIs) {
    HWND window = makeWindow(40, 30, 374, 230);
    EXPECT_FALSE(m_store->restoreWindow(window, L"never saved"));
    const RECT unchanged = rectOf(window);
    EXPECT_EQ(unchanged.left, 40);
    EXPECT_EQ(unchanged.top, 30);
}

TEST_F(WindowPlacement, DestroyedWindowIsNotSaved) {
    HWND window = makeWindow(40, 30, 374, 230);
    DestroyWindow(window);
    EXPECT_FALSE(m_store->saveWindow(window, L"dlg"));
    EXPECT_EQ(m_sink.count(4, L"not a window"), 1);
}

} // namespace
} // namespace brio::test
