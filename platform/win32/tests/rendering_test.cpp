// Pictures: the dialog's face and caption colours, colour byte order, children painted over their
// parent, the 3-D parts, PNG files, and Japanese text drawn with a Japanese Gothic face (which face
// the aliases find is gdi's own test).
#include "test_support.h"
#include "dialog_template_bytes.h"

#include <display.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace win32test {
namespace {

bool Near(COLORREF actual, COLORREF expected, int tolerance = 3) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

std::string Hex(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%06X", static_cast<unsigned>(color));
    return text;
}

HWND VisibleDialog() {
    static const DialogSpec tmpl{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE |
                                     DS_SETFONT | DS_CONTEXTHELP,
                                 0,
                                 10,
                                 10,
                                 120,
                                 60,
                                 L"累計",
                                 9,
                                 FW_NORMAL,
                                 0,
                                 SHIFTJIS_CHARSET,
                                 L"ＭＳ Ｐゴシック",
                                 0,
                                 nullptr,
                                 0};
    return CreateDialogIndirectParamW(nullptr, DialogTemplateBytes(tmpl).get(), nullptr, JournalDialogProc,
                                      0);
}

// Paints every window of the journal class with `paint` (client coordinates).
void PaintWith(std::function<void(HWND, HDC)> paint) {
    SetMessageHook([paint](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg != WM_PAINT)
            return false;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return true;
    });
}

class Rendering : public StandinTest {};

TEST_F(Rendering, DialogFaceFrameAndCaptionHaveTheClassicColours) {
    HWND dialog = VisibleDialog();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(GetActiveWindow(), dialog);
    RECT w;
    GetWindowRect(dialog, &w);
    LONG width = w.right - w.left;
    // Client origin is (4, 23) in the window: frame pixels have negative client coordinates.
    struct Case {
        const char* where;
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {"client face", 20, 20, GetSysColor(COLOR_3DFACE)},
        {"caption start (active)", 0, -13, GetSysColor(COLOR_ACTIVECAPTION)},
        {"frame outer top-left", -4, -23, GetSysColor(COLOR_3DLIGHT)},
        {"frame inner top-left", -3, -22, GetSysColor(COLOR_3DHILIGHT)},
        {"frame outer bottom-right", width - 5, 60 * 12 / 8 + 3, GetSysColor(COLOR_3DDKSHADOW)},
        {"close button face", width - 4 - 4 - 2 - 16 + 2, -23 + 6 + 2, GetSysColor(COLOR_3DFACE)},
    };
    for (const Case& c : cases) {
        COLORREF pixel = standin::ReadPixel(dialog, c.x, c.y);
        EXPECT_TRUE(Near(pixel, c.expected))
            << c.where << ": " << Hex(pixel) << " instead of " << Hex(c.expected);
    }
    HWND other = MakeWindow(L"o", WS_POPUP | WS_VISIBLE, 600, 600, 10, 10);
    COLORREF inactive = standin::ReadPixel(dialog, 0, -13);
    EXPECT_TRUE(Near(inactive, GetSysColor(COLOR_INACTIVECAPTION))) << Hex(inactive);
    DestroyWindow(other);
    DestroyWindow(dialog);
}

TEST_F(Rendering, BrushColoursLandInTheirOwnChannels) {
    for (COLORREF color : {RGB(255, 0, 0), RGB(0, 0, 255), RGB(1, 2, 3)}) {
        PaintWith([color](HWND, HDC dc) {
            HBRUSH brush = CreateSolidBrush(color);
            RECT rect{0, 0, 10, 10};
            FillRect(dc, &rect, brush);
            DeleteObject(brush);
        });
        HWND hwnd = MakeWindow(L"p", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20);
        EXPECT_EQ(standin::ReadPixel(hwnd, 5, 5), color) << Hex(color);
        EXPECT_EQ(standin::ReadPixel(hwnd, 15, 15), GetSysColor(COLOR_WINDOW))
            << "erased with the class brush";
        EXPECT_EQ(standin::ReadPixel(hwnd, 25, 5), CLR_INVALID);
        DestroyWindow(hwnd);
    }
}

TEST_F(Rendering, ChildrenShowOverTheirParent) {
    PaintWith([](HWND hwnd, HDC dc) {
        wchar_t name[4];
        GetWindowTextW(hwnd, name, 4);
        HBRUSH brush = CreateSolidBrush(name[0] == L'P' ? RGB(0, 0, 200) : RGB(0, 200, 0));
        RECT all{0, 0, 1000, 1000};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    });
    HWND parent = MakeWindow(L"P", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = MakeWindow(L"c", WS_CHILD | WS_VISIBLE, 20, 20, 30, 30, parent, 1);
    EXPECT_EQ(standin::ReadPixel(parent, 25, 25), RGB(0, 200, 0));
    EXPECT_EQ(standin::ReadPixel(parent, 60, 60), RGB(0, 0, 200));
    EXPECT_EQ(standin::ReadPixel(child, 0, 0), RGB(0, 200, 0));
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(standin::ReadPixel(parent, 25, 25), RGB(0, 0, 200)) << "a hidden child leaves no trace";
    DestroyWindow(parent);
}

TEST_F(Rendering, SizeGripAndEdgesUseTheThreeDColours) {
    PaintWith([](HWND, HDC dc) {
        RECT grip{0, 0, 16, 16};
        DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        RECT edge{20, 0, 40, 20};
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        EXPECT_EQ(edge.left, 22) << "BF_ADJUST leaves the inner rectangle";
    });
    HWND hwnd = MakeWindow(L"g", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20);
    struct Case {
        int x, y;
        int color;
    };
    const Case cases[] = {
        {15, 15, COLOR_3DFACE},    {15, 14, COLOR_3DHILIGHT}, {15, 13, COLOR_3DSHADOW},
        {0, 0, COLOR_3DFACE},      {20, 0, COLOR_3DSHADOW},   {21, 1, COLOR_3DDKSHADOW},
        {39, 19, COLOR_3DHILIGHT}, {38, 18, COLOR_3DLIGHT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(standin::ReadPixel(hwnd, c.x, c.y), GetSysColor(c.color)) << c.x << "," << c.y;
    DestroyWindow(hwnd);
}

TEST_F(Rendering, JapaneseTextLeavesInkWhereItIsDrawn) {
    const wchar_t* text = L"累計ダイアログ";
    SIZE extent{};
    PaintWith([&](HWND, HDC dc) {
        HFONT font =
            CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutW(dc, 10, 10, text, static_cast<int>(wcslen(text)));
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &extent);
        SelectObject(dc, old);
        DeleteObject(font);
    });
    HWND hwnd = MakeWindow(L"t", WS_POPUP | WS_VISIBLE, 0, 0, 120, 40);
    const standin::WindowPicture picture = standin::TakeWindowPicture(hwnd);
    ASSERT_EQ(picture.width, 120);
    int dark = 0;
    int outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            bool ink = GetRValue(picture.at(x, y)) < 128;
            bool inBox = x >= 10 && x < 10 + extent.cx && y >= 10 && y < 10 + extent.cy;
            (inBox ? dark : outside) += ink;
        }
    // Seven full-width characters at 12 px, in a proportional face drawn condensed (the font aliases).
    EXPECT_GT(extent.cx, 7 * 12 / 2) << "seven full-width characters at 12 px";
    EXPECT_LE(extent.cx, 7 * 12);
    EXPECT_GE(extent.cy, 12);
    EXPECT_GT(dark, 120) << "the strokes of seven kanji and kana";
    EXPECT_EQ(outside, 0) << "nothing drawn outside the text's box";
    DestroyWindow(hwnd);
}

TEST_F(Rendering, DrawTextMeasuresWrapsAndHidesMnemonicPrefixes) {
    HDC dc = GetDC(nullptr);
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(dc, &tm));
    auto measure = [dc](const wchar_t* text, UINT flags, LONG width = 1000) {
        RECT rect{0, 0, width, 0};
        int height = DrawTextW(dc, text, -1, &rect, flags | DT_CALCRECT);
        EXPECT_EQ(rect.bottom, height) << "the returned height is the measured one";
        return rect;
    };
    RECT line = measure(L"長さの合計", DT_SINGLELINE);
    EXPECT_EQ(line.bottom, tm.tmHeight);
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"長さの合計", 5, &extent);
    EXPECT_EQ(line.right, extent.cx);
    EXPECT_EQ(measure(L"&File", DT_SINGLELINE).right, measure(L"File", DT_SINGLELINE).right);
    EXPECT_GT(measure(L"&File", DT_SINGLELINE | DT_NOPREFIX).right, measure(L"File", DT_SINGLELINE).right);
    EXPECT_EQ(measure(L"A&&B", DT_SINGLELINE).right, measure(L"A&B", DT_SINGLELINE | DT_NOPREFIX).right);
    RECT wrapped = measure(L"すべての行をクリップボードにコピーします", DT_WORDBREAK, 60);
    EXPECT_GE(wrapped.bottom, 3 * tm.tmHeight) << "a narrow box wraps the text onto more lines";
    EXPECT_EQ(wrapped.right, 60) << "DT_WORDBREAK keeps the given width";
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}

TEST_F(Rendering, DrawTextAlignsWithinItsRectangle) {
    struct Case {
        UINT flags;
        int expectedCentre; // of the ink, in a 200 px wide box
        int tolerance;
    };
    const Case cases[] = {{DT_LEFT, 6, 6}, {DT_CENTER, 100, 3}, {DT_RIGHT, 194, 6}};
    for (const Case& c : cases) {
        PaintWith([&](HWND, HDC dc) {
            RECT box{0, 0, 200, 20};
            SetBkMode(dc, TRANSPARENT);
            DrawTextW(dc, L"mm", -1, &box, c.flags | DT_SINGLELINE | DT_VCENTER);
        });
        HWND hwnd = MakeWindow(L"a", WS_POPUP | WS_VISIBLE, 0, 0, 200, 20);
        const standin::WindowPicture picture = standin::TakeWindowPicture(hwnd);
        int first = -1, last = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 20; ++y)
                if (GetGValue(picture.at(x, y)) < 128) {
                    first = first < 0 ? x : first;
                    last = x;
                }
        ASSERT_GE(first, 0) << c.flags;
        EXPECT_NEAR((first + last) / 2, c.expectedCentre, c.tolerance) << c.flags;
        DestroyWindow(hwnd);
    }
}

TEST_F(Rendering, PngOfADialogHasItsOuterSize) {
    HWND dialog = VisibleDialog();
    std::string path = ::testing::TempDir() + "win32_rendering_dialog.png";
    ASSERT_TRUE(display::WriteWindowPng(dialog, path));
    // A PNG opens with its 8-byte signature and the IHDR chunk: length, type, then the width and the
    // height as big-endian 32-bit numbers.
    unsigned char head[24] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const size_t read = std::fread(head, 1, sizeof(head), file);
    std::fclose(file);
    ASSERT_EQ(read, sizeof(head));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(head + 1), 3), "PNG");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(head + 12), 4), "IHDR");
    auto bigEndian = [&](int at) {
        return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3];
    };
    RECT w;
    GetWindowRect(dialog, &w);
    EXPECT_EQ(bigEndian(16), w.right - w.left);
    EXPECT_EQ(bigEndian(20), w.bottom - w.top);
    std::remove(path.c_str());
    DestroyWindow(dialog);
    EXPECT_FALSE(display::WriteWindowPng(dialog, path)) << "no picture of a window that is gone";
}

} // namespace
} // namespace win32test
