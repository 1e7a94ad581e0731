// Handles and object lifetimes: stale and foreign handles are refused, GDI objects are deleted exactly
// once, stock objects never, and the live counts come back to where they started.
#include "test_support.h"
#include "platform_marks.h"

#include <thread>

namespace win32test {
namespace {

class Handles : public StandinTest {};

TEST_F(Handles, StaleWindowHandleIsRefusedByEveryFunction) {
    HWND stale = MakeWindow(L"gone", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    ASSERT_TRUE(IsWindow(stale));
    ASSERT_TRUE(DestroyWindow(stale));
    HWND fresh = MakeWindow(L"fresh", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    EXPECT_NE(fresh, stale) << "a new window must not take over the old handle value";

    EXPECT_FALSE(IsWindow(stale));
    RECT rect{};
    wchar_t text[8] = L"x";
    struct Case {
        const char* call;
        std::function<bool()> fails;
    };
    const Case cases[] = {
        {"DestroyWindow", [&] { return !DestroyWindow(stale); }},
        {"ShowWindow", [&] { return !ShowWindow(stale, SW_SHOW); }},
        {"SetWindowTextW", [&] { return !SetWindowTextW(stale, L"t"); }},
        {"GetWindowTextW", [&] { return GetWindowTextW(stale, text, 8) == 0 && text[0] == L'\0'; }},
        {"GetWindowRect", [&] { return !GetWindowRect(stale, &rect); }},
        {"SendMessageW", [&] { return SendMessageW(stale, WM_GETTEXTLENGTH, 0, 0) == 0; }},
        {"PostMessageW", [&] { return !PostMessageW(stale, WM_USER, 0, 0); }},
        {"SetFocus", [&] { return SetFocus(stale) == nullptr && GetFocus() != stale; }},
        {"GetDC", [&] { return GetDC(stale) == nullptr; }},
        {"SetWindowPos", [&] { return !SetWindowPos(stale, nullptr, 0, 0, 1, 1, SWP_NOZORDER); }},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_TRUE(c.fails()) << c.call;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << c.call;
    }
    DestroyWindow(fresh);
}

TEST_F(Handles, DeletedBrushIsInvalidAndCannotBeDeletedTwice) {
    standin::LiveObjects start = standin::CountLiveObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック");
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    ASSERT_TRUE(brush && font && pen);
    EXPECT_EQ(standin::CountLiveObjects().brushes, start.brushes + 1);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts + 1);
    EXPECT_EQ(standin::CountLiveObjects().pens, start.pens + 1);

    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush)) << "a second DeleteObject of the same brush must fail";
    HDC screen = GetDC(nullptr);
    RECT rect{0, 0, 4, 4};
    EXPECT_EQ(SelectObject(screen, brush), nullptr);
    EXPECT_EQ(FillRect(screen, &rect, brush), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(font));

    standin::LiveObjects end = standin::CountLiveObjects();
    EXPECT_EQ(end.brushes, start.brushes);
    EXPECT_EQ(end.fonts, start.fonts);
    EXPECT_EQ(end.pens, start.pens);
}

TEST_F(Handles, StockObjectsAreNeitherCountedNorDeleted) {
    standin::LiveObjects start = standin::CountLiveObjects();
    std::vector<HGDIOBJ> shared;
    for (int index :
         {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT})
        shared.push_back(GetStockObject(index));
    for (int color : {COLOR_3DFACE, COLOR_WINDOW, COLOR_HIGHLIGHT})
        shared.push_back(GetSysColorBrush(color));
    for (HGDIOBJ object : shared) {
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(DeleteObject(object));
    }
    HDC screen = GetDC(nullptr);
    for (HGDIOBJ object : shared)
        EXPECT_NE(SelectObject(screen, object), nullptr) << "still usable after DeleteObject";
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), shared.front()) << "stock objects exist once";
    standin::LiveObjects end = standin::CountLiveObjects();
    EXPECT_EQ(end.brushes, start.brushes);
    EXPECT_EQ(end.fonts, start.fonts);
    EXPECT_EQ(end.pens, start.pens);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST_F(Handles, ObjectDeletedWhileSelectedGoesWhenTheDcLetsItGo) {
    standin::LiveObjects start = standin::CountLiveObjects();
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"MS Gothic");
    HGDIOBJ old = SelectObject(screen, font);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetObjectW(font, 0, nullptr), 0) << "the handle is dead at once";
    SIZE extent{};
    EXPECT_TRUE(GetTextExtentPoint32W(screen, L"abc", 3, &extent)) << "the DC still draws with it";
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts + 1);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts);
}

TEST_F(Handles, HandleOfOneKindIsNotValidAsAnother) {
    HWND window = MakeWindow(L"w", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    HMENU menu = CreatePopupMenu();
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(window)));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(brush)));
    EXPECT_FALSE(IsMenu(reinterpret_cast<HMENU>(window)));
    EXPECT_FALSE(DestroyMenu(reinterpret_cast<HMENU>(brush)));
    EXPECT_FALSE(DestroyIcon(reinterpret_cast<HICON>(menu)));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(0x12345678)));
    EXPECT_TRUE(IsWindow(window) && IsMenu(menu));
    DestroyMenu(menu);
    DeleteObject(brush);
    DestroyWindow(window);
}

TEST_F(Handles, NullAndBadArgumentsFailInsteadOfCrashing) {
    HWND window = MakeWindow(L"w", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    HDC dc = GetDC(window);
    RECT rect{0, 0, 10, 10};
    struct Case {
        const char* call;
        bool fails;
    };
    const Case cases[] = {
        {"GetWindowRect(null rect)", !GetWindowRect(window, nullptr)},
        {"GetClientRect(null window)", !GetClientRect(nullptr, &rect)},
        {"ClientToScreen(null point)", !ClientToScreen(window, nullptr)},
        {"FillRect(null dc)", FillRect(nullptr, &rect, GetSysColorBrush(COLOR_WINDOW)) == 0},
        {"FillRect(null rect)", FillRect(dc, nullptr, GetSysColorBrush(COLOR_WINDOW)) == 0},
        {"DrawTextW(null text)", DrawTextW(dc, nullptr, -1, &rect, 0) == 0},
        {"DrawEdge(null rect)", !DrawEdge(dc, nullptr, EDGE_RAISED, BF_RECT)},
        {"PeekMessageW(null msg)", !PeekMessageW(nullptr, nullptr, 0, 0, PM_REMOVE)},
        {"DispatchMessageW(null msg)", DispatchMessageW(nullptr) == 0},
        {"GetClassNameW(no buffer)", GetClassNameW(window, nullptr, 0) == 0},
        {"SetWindowLongPtrW(bad index)",
         SetWindowLongPtrW(window, 4096, 1) == 0 && GetLastError() == ERROR_INVALID_INDEX},
        {"CreateWindowExW(unknown class)",
         !CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr) &&
             GetLastError() == ERROR_CANNOT_FIND_WND_CLASS},
        {"CreateWindowExW(child without parent)",
         !CreateWindowExW(0, kJournalClass, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)},
        {"RegisterClassW(null)", RegisterClassW(nullptr) == 0},
        {"SetRect(null)", !SetRect(nullptr, 0, 0, 1, 1)},
        {"IntersectRect(null source)", !IntersectRect(&rect, nullptr, &rect)},
        {"GetSysColor(out of range)", GetSysColor(-1) == 0 && GetSysColor(99) == 0},
        {"CreateDialogIndirectParamW(null)",
         !CreateDialogIndirectParamW(nullptr, nullptr, nullptr, nullptr, 0)},
        {"GlobalLock(made-up handle)", GlobalLock(reinterpret_cast<HGLOBAL>(0x1234)) == nullptr},
        {"FindResourceW(null name)", FindResourceW(nullptr, nullptr, RT_DIALOG) == nullptr},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.fails) << c.call;
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

TEST_F(Handles, AnotherThreadFindsNothingAndCreatesNothing) {
    HWND window = MakeWindow(L"w", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    HBRUSH brush = CreateSolidBrush(RGB(1, 1, 1));
    bool isWindow = true, posted = true, deleted = true;
    HWND created = reinterpret_cast<HWND>(1);
    std::thread other([&] {
        isWindow = IsWindow(window);
        posted = PostMessageW(window, WM_USER, 0, 0);
        deleted = DeleteObject(brush);
        created =
            CreateWindowExW(0, kJournalClass, L"x", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    });
    other.join();
    EXPECT_FALSE(isWindow);
    EXPECT_FALSE(posted);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(created, nullptr);
    EXPECT_TRUE(DeleteObject(brush)) << "the UI thread still owns it";
    DestroyWindow(window);
}

TEST(Kernel, MulDivRoundsHalfAwayFromZeroAndReportsOverflow) {
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {249, 6, 4, 374}, {135, 12, 8, 203},     {5, 1, 2, 3},
        {-5, 1, 2, -3},   {5, -1, 2, -3},        {7, 1, 0, -1},
        {9, 96, 72, 12},  {INT32_MAX, 2, 1, -1}, {INT32_MAX, 2, 2, INT32_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(Kernel, ColorrefIsBlueGreenRed) {
    EXPECT_EQ(RGB(0x11, 0x22, 0x33), 0x00332211u);
    EXPECT_EQ(GetRValue(0x00332211u), 0x11);
    EXPECT_EQ(GetBValue(0x00332211u), 0x33);
    BR_STANDIN_ONLY("Windows gives the colours of the user's scheme; the stand-in keeps the classic face",
                    EXPECT_EQ(GetSysColor(COLOR_3DFACE), RGB(212, 208, 200)));
}

} // namespace
} // namespace win32test
