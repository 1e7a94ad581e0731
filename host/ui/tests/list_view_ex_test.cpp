// The owner-drawn report list as the user sees it: selected rows in the highlight colour across
// the columns, each cell's text placed by its column's alignment and kept inside its cell, hidden
// (zero-width) columns not shown, and the focus rectangle only while the list has the focus.
// Pixels are probed at known places of a rendered window; no whole-picture comparison.
#include <brio/ui/control/CListViewEx.h>

#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using brio::ui::control::CListViewEx;

constexpr int kPadding = 4;
constexpr UINT kListId = 100; // any child id: the list is alone in its parent

struct Column {
    const wchar_t* heading;
    int format;
    int width;
};
constexpr Column kColumns[] = {
    {L"No", LVCFMT_LEFT, 60},
    {L"値", LVCFMT_RIGHT, 100},
    {L"raw", LVCFMT_RIGHT, 0},
    {L"±", LVCFMT_CENTER, 80},
};

// A rendered copy of the list's top-level window, read in the list's client coordinates.
class Picture {
public:
    explicit Picture(HWND list) : m_picture(standin::TakeWindowPicture(list)) {
        RECT top{};
        GetWindowRect(GetAncestor(list, GA_ROOT), &top);
        POINT origin{0, 0};
        ClientToScreen(list, &origin);
        m_dx = origin.x - top.left;
        m_dy = origin.y - top.top;
    }

    COLORREF at(int x, int y) const { return m_picture.at(x + m_dx, y + m_dy); }
    // The leftmost and rightmost x in [left, right) of the rows [top, bottom) that differ from
    // `background`; {-1, -1} when there is no ink.
    std::pair<int, int> ink(int left, int right, int top, int bottom, COLORREF background) const {
        std::pair<int, int> found{-1, -1};
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (at(x, y) != background) {
                    found.first = found.first < 0 ? x : std::min(found.first, x);
                    found.second = std::max(found.second, x);
                }
        return found;
    }

private:
    standin::WindowPicture m_picture;
    int m_dx = 0;
    int m_dy = 0;
};

class ListViewEx : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"list host", WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 400, 240), nullptr, 0));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                                  CRect(0, 0, 400, 240), &m_parent, kListId));
        m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        m_list.SetHighlightMode(CListViewEx::kHighlightFullRow);
        for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
            m_list.InsertColumn(i, kColumns[i].heading, kColumns[i].format, kColumns[i].width, -1);
        addRow(L"1", L"12.5", L"12.5000000001", L"+");
        addRow(L"2", L"7", L"7", L"-");
        addRow(L"WWWWWWWWWWWWWWWWWWWW", L"", L"", L"");
    }
    void TearDown() override {
        m_list.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void addRow(const wchar_t* no, const wchar_t* value, const wchar_t* raw, const wchar_t* sign) {
        const int row = m_list.InsertItem(m_list.GetItemCount(), no);
        m_list.SetItemEx(row, 1, LVIF_TEXT, value, 0, 0, 0, 0);
        m_list.SetItemEx(row, 2, LVIF_TEXT, raw, 0, 0, 0, 0);
        m_list.SetItemEx(row, 3, LVIF_TEXT, sign, 0, 0, 0, 0);
    }
    RECT rowRect(int row) {
        RECT rect{};
        m_list.GetItemRect(row, &rect, LVIR_BOUNDS);
        return rect;
    }
    // Left edges of the visible columns 0, 1 and 3 (the raw column has no width).
    static constexpr int kLeft[] = {0, 60, 160, 160};

    CWnd m_parent;
    CListViewEx m_list;
};

TEST_F(ListViewEx, SetItemExWritesTheCell) {
    EXPECT_EQ(std::wstring(m_list.GetItemText(0, 1).GetString()), L"12.5");
    EXPECT_EQ(std::wstring(m_list.GetItemText(0, 2).GetString()), L"12.5000000001");
    EXPECT_TRUE(m_list.SetItemEx(1, 3, LVIF_TEXT, L"±", 0, 0, 0, 0));
    EXPECT_EQ(std::wstring(m_list.GetItemText(1, 3).GetString()), L"±");
}

TEST_F(ListViewEx, SelectionColourReachesAsFarAsTheHighlightMode) {
    struct Case {
        WORD mode;
        COLORREF expected[3]; // at columns 0, 1 and 3 of the selected row
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Case cases[] = {
        {CListViewEx::kHighlightFullRow, {highlight, highlight, highlight}},
        {CListViewEx::kHighlightLabel, {highlight, window, window}},
    };
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    for (const Case& c : cases) {
        m_list.SetHighlightMode(c.mode);
        const Picture picture(m_list);
        const RECT selected = rowRect(1);
        const RECT plain = rowRect(0);
        const int probes[] = {kLeft[0] + 1, kLeft[1] + 1, kLeft[3] + 1};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(picture.at(probes[i], selected.top + 1), c.expected[i])
                << "mode " << c.mode << " column " << i;
            EXPECT_EQ(picture.at(probes[i], plain.top + 1), window)
                << "an unselected row keeps the window colour";
        }
    }
}

TEST_F(ListViewEx, CellTextFollowsItsColumnAndStaysInside) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Picture picture(m_list);
    const RECT row = rowRect(0);
    const auto left = picture.ink(kLeft[0], kLeft[1], row.top, row.bottom, window);
    const auto right = picture.ink(kLeft[1], kLeft[3], row.top, row.bottom, window);
    const auto centre = picture.ink(kLeft[3], kLeft[3] + 80, row.top, row.bottom, window);
    ASSERT_GE(left.first, 0);
    ASSERT_GE(right.first, 0);
    ASSERT_GE(centre.first, 0);
    EXPECT_GE(left.first, kLeft[0] + kPadding);
    EXPECT_LE(left.first, kLeft[0] + kPadding + 3) << "left-aligned text starts at the padding";
    EXPECT_LE(right.second, kLeft[3] - kPadding);
    EXPECT_GE(right.second, kLeft[3] - kPadding - 4) << "right-aligned text ends at the padding";
    EXPECT_NEAR((centre.first + centre.second) / 2.0, kLeft[3] + 40, 3.0)
        << "centred, and the raw column takes no room";

    const RECT longRow = rowRect(2);
    const auto clipped = picture.ink(kLeft[0], kLeft[1] + 20, longRow.top, longRow.bottom, window);
    EXPECT_LE(clipped.second, kLeft[1] - kPadding) << "a long text is cut at its own cell";
}

TEST_F(ListViewEx, FocusRectangleOnlyWhileTheListHasFocus) {
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const auto edgeIsPlain = [&] {
        const Picture picture(m_list);
        const RECT row = rowRect(0);
        for (int x = row.left + 2; x < kLeft[3] + 78; ++x)
            if (picture.at(x, row.top) != highlight)
                return false;
        return true;
    };
    ::SetFocus(m_list.m_hWnd);
    EXPECT_FALSE(edgeIsPlain()) << "the focused row shows its focus rectangle";
    ::SetFocus(m_parent.m_hWnd);
    EXPECT_TRUE(edgeIsPlain()) << "no focus rectangle without the focus";
}

} // namespace
