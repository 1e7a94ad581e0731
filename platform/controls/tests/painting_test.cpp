// What the controls look like, probed pixel by pixel at places a person would look: the colours the
// parent chose, check marks and radio dots, the selected row, the header, grayed text.
#include "sample_dialog.h"

#include <automation.h>
#include <platform_marks.h>
#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

using namespace sample;

// One rendering of the whole dialog, for looking at many pixels of it.
class Picture {
public:
    explicit Picture(HWND window) : m_picture(standin::TakeWindowPicture(window)) {
        GetWindowRect(GetAncestor(window, GA_ROOT), &m_root);
    }

    COLORREF at(HWND window, int x, int y) const {
        POINT pt{x, y};
        ClientToScreen(window, &pt);
        return m_picture.at(pt.x - m_root.left, pt.y - m_root.top);
    }

private:
    standin::WindowPicture m_picture;
    RECT m_root{};
};

class Painting : public ::testing::Test {
protected:
    SampleDialog dialog;
    COLORREF Pixel(int id, int x, int y) const { return automation::ReadPixel(dialog.item(id), x, y); }
    bool AnyPixel(int id, COLORREF colour) const {
        const Picture picture(dialog.hwnd());
        RECT client{};
        GetClientRect(dialog.item(id), &client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                if (picture.at(dialog.item(id), x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    // The darkest channel value inside `rect` of a control.
    int Darkest(int id, RECT rect) const {
        const Picture picture(dialog.hwnd());
        int darkest = 255;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const COLORREF pixel = picture.at(dialog.item(id), x, y);
                darkest = std::min({darkest, static_cast<int>(GetRValue(pixel)),
                                    static_cast<int>(GetGValue(pixel)), static_cast<int>(GetBValue(pixel))});
            }
        }
        return darkest;
    }
};

TEST_F(Painting, AReadOnlyEditShowsTheParentsBrushAndTextBackground) {
    SetWindowTextW(dialog.item(kTotal), L"1,234.5");
    EXPECT_EQ(Pixel(kTotal, 3, 3), kTotalColour) << "the brush fills the box";
    EXPECT_TRUE(AnyPixel(kTotal, kTotalTextBack)) << "the text is drawn on the DC's background colour";
    EXPECT_EQ(dialog.lastColourMessage(kTotal), static_cast<UINT>(WM_CTLCOLORSTATIC));

    SendMessageW(dialog.item(kTotal), EM_SETREADONLY, FALSE, 0);
    Pixel(kTotal, 3, 3);
    EXPECT_EQ(dialog.lastColourMessage(kTotal), static_cast<UINT>(WM_CTLCOLOREDIT))
        << "an editable edit asks as one";
    EnableWindow(dialog.item(kTotal), FALSE);
    Pixel(kTotal, 3, 3);
    EXPECT_EQ(dialog.lastColourMessage(kTotal), static_cast<UINT>(WM_CTLCOLORSTATIC))
        << "a disabled one as a static";
}

TEST_F(Painting, CheckMarksAndRadioDotsShowWhenChecked) {
    const COLORREF mark = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF empty = GetSysColor(COLOR_WINDOW);
    RECT check{};
    GetClientRect(dialog.item(kCheck), &check);
    const int boxTop = (check.bottom - 13) / 2;
    RECT radio{};
    GetClientRect(dialog.item(kRadioA1), &radio);
    const int radioTop = (radio.bottom - 12) / 2;
    for (bool checked : {false, true}) {
        SendMessageW(dialog.item(kCheck), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(dialog.item(kRadioA1), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        // The middle of the tick's lower stroke, and the middle of the dot.
        EXPECT_EQ(Pixel(kCheck, 5, boxTop + 7), checked ? mark : empty) << "checked " << checked;
        EXPECT_EQ(Pixel(kRadioA1, 5, radioTop + 5), checked ? mark : empty) << "checked " << checked;
    }
}

// The radio buttons inside a group box come after it in z-order and show over it: a repaint of the
// group box alone leaves their pixels as they were and asks nothing of them.
TEST_F(Painting, AGroupBoxRepaintsAroundTheButtonsInsideIt) {
    HWND radio = dialog.item(kRadioA1);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    RECT client{};
    GetClientRect(radio, &client);
    const POINT dot{5, (client.bottom - 12) / 2 + 5};
    ASSERT_EQ(Pixel(kRadioA1, dot.x, dot.y), GetSysColor(COLOR_WINDOWTEXT)) << "a full repaint shows the dot";

    InvalidateRect(dialog.item(kGroupA), nullptr, TRUE);
    UpdateWindow(dialog.item(kGroupA));
    EXPECT_FALSE(GetUpdateRect(radio, nullptr, FALSE)) << "painting the group box changes nothing else";
    HDC dc = GetDC(radio);
    EXPECT_EQ(GetPixel(dc, dot.x, dot.y), GetSysColor(COLOR_WINDOWTEXT)) << "the dot was not painted over";
    ReleaseDC(radio, dc);
}

TEST_F(Painting, TheSelectedRowShowsInTheHighlightColourAcrossTheRow) {
    dialog.fillList(kPlainList, 4);
    HWND list = dialog.item(kPlainList);
    LVITEMW select{};
    select.state = select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&select));
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const int y = row.top + 2;
    const int x = row.left + 40; // in the value column, left of its right-aligned text
    SetFocus(list);
    EXPECT_EQ(Pixel(kPlainList, x, y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(kPlainList, x, y - (row.bottom - row.top)), GetSysColor(COLOR_WINDOW)) << "the row above";
    SetFocus(dialog.item(kPush));
    EXPECT_EQ(Pixel(kPlainList, x, y), GetSysColor(COLOR_3DFACE))
        << "selection always shown, in the face colour";
    BR_STANDIN_ONLY("the stand-in draws the classic header in the face colour; a system with a visual "
                    "style (Wine's default theme) draws the style's own",
                    EXPECT_EQ(Pixel(kPlainList, 24, 10), GetSysColor(COLOR_3DFACE)) << "the header row");
}

TEST_F(Painting, DisabledTextIsGrayed) {
    RECT label{};
    GetClientRect(dialog.item(kPush), &label);
    InflateRect(&label, -4, -4);
    EXPECT_LT(Darkest(kPush, label), 0x50) << "black text on an enabled button";
    EXPECT_GE(Darkest(kDisabledPush, label), 0x70) << "no black on a disabled one";
    EXPECT_LT(Darkest(kDisabledPush, label), 0xB0) << "but its text is there, in gray";
}

TEST_F(Painting, AComboFaceShowsTheWindowColourAndItsArrowButton) {
    HWND combo = dialog.item(kComboB);
    RECT client{};
    GetClientRect(combo, &client);
    const int y = client.bottom / 2;
    EXPECT_EQ(Pixel(kComboB, client.right - 30, y), GetSysColor(COLOR_WINDOW)) << "an empty field";
    EXPECT_EQ(Pixel(kComboB, client.right - 5, 4), GetSysColor(COLOR_3DFACE)) << "the arrow button's face";
    EXPECT_EQ(dialog.lastColourMessage(kComboB), static_cast<UINT>(WM_CTLCOLOREDIT));
    SetFocus(combo);
    EXPECT_EQ(Pixel(kComboB, client.right - 30, y), GetSysColor(COLOR_HIGHLIGHT))
        << "focused: the field is highlighted";
}

} // namespace
