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
        const char* errorOfTheStandIn = nullptr; // why only the stand-in's error is checked
    };
    const Case cases[] = {
        {"DestroyWindow", [&] { return !DestroyWindow(stale); },
         "DestroyWindow's page names no error for a stale handle; Wine answers ERROR_ACCESS_DENIED, as for "
         "another thread's window"},
        {"ShowWindow", [&] { return !ShowWindow(stale, SW_SHOW); }},
        {"SetWindowTextW", [&] { return !SetWindowTextW(stale, L"t"); }},
        {"GetWindowTextW", [&] { return GetWindowTextW(stale, text, 8) == 0 && text[0] == L'\0'; },
         "GetWindowTextW's page names no error for an invalid handle; Wine sets none once the handle's slot "
         "is reused"},
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
        if (c.errorOfTheStandIn != nullptr)
            BR_STANDIN_ONLY(c.errorOfTheStandIn,
                            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE))
                                << c.call);
        else
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
    BR_STANDIN_ONLY("FillRect's page says only that failure gives zero; Wine's FillRect answers 1 whatever "
                    "the brush",
                    EXPECT_EQ(FillRect(screen, &rect, brush), 0));
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
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)))
        << "the font lives on, handle and all, while a DC holds it";
    SIZE extent{};
    EXPECT_TRUE(GetTextExtentPoint32W(screen, L"abc", 3, &extent)) << "the DC still draws with it";
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts + 1);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(standin::CountLiveObjects().fonts, start.fonts);
    EXPECT_EQ(GetObjectW(font, 0, nullptr), 0) << "let go, it is gone";
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

// Where Windows documents nothing for a null pointer it reads through it (Wine faults); the stand-in
// refuses it instead, which only the stand-in can be held to.
TEST_F(Handles, NullAndBadArgumentsFailInsteadOfCrashing) {
    HWND window = MakeWindow(L"w", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50);
    HDC dc = GetDC(window);
    RECT rect{0, 0, 10, 10};
    const char* const readThrough = "no null check is documented: Windows reads through the pointer";
    struct Case {
        const char* call;
        std::function<bool()> fails;
        const char* standInOnly = nullptr;
    };
    const Case cases[] = {
        {"GetWindowRect(null rect)", [&] { return !GetWindowRect(window, nullptr); }, readThrough},
        {"GetClientRect(null window)", [&] { return !GetClientRect(nullptr, &rect); }},
        {"ClientToScreen(null point)", [&] { return !ClientToScreen(window, nullptr); }, readThrough},
        {"FillRect(null dc)", [&] { return FillRect(nullptr, &rect, GetSysColorBrush(COLOR_WINDOW)) == 0; },
         "Wine's FillRect answers 1 whatever the DC; its page says only that failure gives zero"},
        {"FillRect(null rect)", [&] { return FillRect(dc, nullptr, GetSysColorBrush(COLOR_WINDOW)) == 0; },
         readThrough},
        {"DrawTextW(null text)", [&] { return DrawTextW(dc, nullptr, -1, &rect, 0) == 0; }},
        {"DrawEdge(null rect)", [&] { return !DrawEdge(dc, nullptr, EDGE_RAISED, BF_RECT); }, readThrough},
        {"PeekMessageW(null msg)", [&] { return !PeekMessageW(nullptr, nullptr, 0, 0, PM_REMOVE); }},
        {"DispatchMessageW(null msg)", [&] { return DispatchMessageW(nullptr) == 0; }, readThrough},
        {"GetClassNameW(no buffer)", [&] { return GetClassNameW(window, nullptr, 0) == 0; }},
        {"SetWindowLongPtrW(bad index)",
         [&] { return SetWindowLongPtrW(window, 4096, 1) == 0 && GetLastError() == ERROR_INVALID_INDEX; }},
        {"CreateWindowExW(unknown class)",
         [&] {
             return !CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                     nullptr);
         }},
        {"CreateWindowExW(unknown class) error",
         [&] {
             CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
             return GetLastError() == ERROR_CANNOT_FIND_WND_CLASS;
         },
         "CreateWindowExW's page names no error for an unknown class; Wine answers "
         "ERROR_CLASS_DOES_NOT_EXIST"},
        {"CreateWindowExW(child without parent)",
         [&] {
             return !CreateWindowExW(0, kJournalClass, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                     nullptr);
         }},
        {"RegisterClassW(null)", [&] { return RegisterClassW(nullptr) == 0; }, readThrough},
        {"SetRect(null)", [&] { return !SetRect(nullptr, 0, 0, 1, 1); }},
        {"IntersectRect(null source)", [&] { return !IntersectRect(&rect, nullptr, &rect); }},
        {"GetSysColor(out of range)", [&] { return GetSysColor(-1) == 0 && GetSysColor(99) == 0; }},
        {"CreateDialogIndirectParamW(null)",
         [&] { return !CreateDialogIndirectParamW(nullptr, nullptr, nullptr, nullptr, 0); }},
        {"GlobalLock(made-up handle)",
         [&] { return GlobalLock(reinterpret_cast<HGLOBAL>(0x1234)) == nullptr; }},
        {"FindResourceW(null name)", [&] { return FindResourceW(nullptr, nullptr, RT_DIALOG) == nullptr; }},
    };
    for (const Case& c : cases) {
        if (c.standInOnly != nullptr)
            BR_STANDIN_ONLY(c.standInOnly, EXPECT_TRUE(c.fails()) << c.call);
        else
            EXPECT_TRUE(c.fails()) << c.call;
    }
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

// The stand-in has one UI thread and refuses window and GDI calls from any other; Windows' handles
// serve every thread of the process.
[[maybe_unused]] void AnotherThreadFindsNothingAndCreatesNothing() {
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

TEST_F(Handles, AnotherThreadFindsNothingAndCreatesNothing) {
    BR_STANDIN_ONLY("the stand-in's windows and GDI objects belong to its one UI thread; Windows' serve "
                    "every thread",
                    AnotherThreadFindsNothingAndCreatesNothing());
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
