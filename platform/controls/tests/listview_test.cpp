// The report list as the dialog code and a person use it: the LVM_* contract (cells, states, row -1,
// next item, deletion, scrolling a row into view), selection by mouse with Ctrl and Shift, the right
// click that leads to a context menu, keys, owner-drawn rows through WM_DRAWITEM, and what the list
// tells its parent of its rows' states, their coming and going, the focus and custom drawing.
#include "sample_dialog.h"

#include <automation.h>
#include <platform_marks.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace sample;

class ListView : public ::testing::Test {
protected:
    SampleDialog dialog;
    HWND list() const { return dialog.item(kOwnerList); }

    std::wstring Cell(int row, int column) const {
        wchar_t text[64] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    BOOL SetCell(int row, int column, const wchar_t* text) const {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = const_cast<LPWSTR>(text);
        return static_cast<BOOL>(SendMessageW(list(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetState(int row, UINT state, UINT mask) const {
        LVITEMW item{};
        item.state = state;
        item.stateMask = mask;
        SendMessageW(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int Top() const { return static_cast<int>(SendMessageW(list(), LVM_GETTOPINDEX, 0, 0)); }
    // What the list told its parent since the last call, of the notifications the stand-in sends:
    // Windows' list view also sends NM_RELEASEDCAPTURE after a click and asks for texts with
    // LVN_GETDISPINFO, which the sample dialog does not name.
    std::string Notes() {
        std::string kept;
        const std::string notes = dialog.takeListNotes();
        for (size_t start = 0; start < notes.size();) {
            const size_t end = notes.find('\n', start) + 1;
            const std::string line = notes.substr(start, end - start);
            if (line.find("_FIRST-") == std::string::npos) {
                kept += line;
            }
            start = end;
        }
        return kept;
    }
    int PerPage() const { return static_cast<int>(SendMessageW(list(), LVM_GETCOUNTPERPAGE, 0, 0)); }
};

TEST_F(ListView, CellsAreWrittenAndReadAsTheDialogCodeDoes) {
    dialog.fillList(kOwnerList, 3);
    EXPECT_EQ(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(SetCell(1, 2, L"12.500000")) << "the width-0 column holds the raw value";
    EXPECT_EQ(Cell(1, 2), L"12.500000");
    EXPECT_EQ(Cell(2, 0), L"3");
    EXPECT_FALSE(SetCell(3, 0, L"x")) << "no row 3";
    LVITEMW missing{};
    missing.iSubItem = 1;
    missing.pszText = const_cast<LPWSTR>(L"x");
    EXPECT_FALSE(SendMessageW(list(), LVM_SETITEMTEXTW, 5, reinterpret_cast<LPARAM>(&missing)));

    // A short buffer gets the text cut and terminated; the answer is what was copied, so a caller
    // that grows its buffer until the answer is below size - 1 reads any length.
    const std::wstring longText(300, L'7');
    ASSERT_TRUE(SetCell(0, 1, longText.c_str()));
    std::wstring read;
    for (int size = 64;; size *= 2) {
        std::vector<wchar_t> buffer(static_cast<size_t>(size));
        LVITEMW item{};
        item.iSubItem = 1;
        item.pszText = buffer.data();
        item.cchTextMax = size;
        const LRESULT copied = SendMessageW(list(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
        ASSERT_LE(copied, size - 1);
        if (copied < size - 1) {
            read = buffer.data();
            break;
        }
    }
    EXPECT_EQ(read, longText);

    LVITEMW item{};
    item.mask = LVIF_STATE | LVIF_PARAM;
    item.iItem = 2;
    item.stateMask = LVIS_SELECTED;
    SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_TRUE(SendMessageW(list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.state, static_cast<UINT>(LVIS_SELECTED)) << "only the bits asked for come back";
    EXPECT_EQ(item.lParam, 102);
    item.iItem = 3;
    EXPECT_FALSE(SendMessageW(list(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

TEST_F(ListView, RowMinusOneMeansEveryRowAndNextItemFindsThem) {
    dialog.fillList(kOwnerList, 6);
    SetState(-1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(SendMessageW(list(), LVM_GETSELECTEDCOUNT, 0, 0), 6);
    SetState(4, LVIS_FOCUSED, LVIS_FOCUSED);
    SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(SendMessageW(list(), LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(FocusedRow(list()), -1);

    SetState(1, LVIS_SELECTED, LVIS_SELECTED);
    SetState(4, LVIS_SELECTED, LVIS_SELECTED);
    const struct {
        int start;
        UINT flags;
        int next;
    } cases[] = {{-1, LVNI_ALL, 0},      {0, LVNI_ALL, 1},      {5, LVNI_ALL, -1},
                 {-1, LVNI_SELECTED, 1}, {1, LVNI_SELECTED, 4}, {4, LVNI_SELECTED, -1}};
    for (const auto& each : cases) {
        EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(each.start), each.flags),
                  each.next)
            << "from " << each.start << " flags " << each.flags;
    }
}

TEST_F(ListView, DeletingRowsKeepsCountsFocusAndOrder) {
    dialog.fillList(kOwnerList, 5);
    SetState(1, LVIS_SELECTED, LVIS_SELECTED);
    SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(SendMessageW(list(), LVM_DELETEITEM, 1, 0));
    EXPECT_EQ(SendMessageW(list(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(FocusedRow(list()), 2) << "the focused row moved up with the rows below the deleted one";
    EXPECT_EQ(Cell(1, 0), L"3");
    EXPECT_FALSE(SendMessageW(list(), LVM_DELETEITEM, 4, 0));
    EXPECT_TRUE(SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list(), LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(FocusedRow(list()), -1);
}

// Rows that come and go move the header only through the vertical bar: the header gives the bar
// its room when the rows outgrow the list and takes the room back when they go.
TEST_F(ListView, TheHeaderMakesRoomForTheScrollBarAsRowsComeAndGo) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    const auto width = [header] {
        RECT rect{};
        GetWindowRect(header, &rect);
        return rect.right - rect.left;
    };
    dialog.fillList(kOwnerList, 1);
    const LONG wide = width();
    dialog.fillList(kOwnerList, 40);
    EXPECT_EQ(width(), wide - GetSystemMetrics(SM_CXVSCROLL)) << "a bar came with the rows";
    while (SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0) > 1)
        SendMessageW(list(), LVM_DELETEITEM, 0, 0);
    EXPECT_EQ(width(), wide) << "the bar went with them";
    dialog.fillList(kOwnerList, 40);
    SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(width(), wide) << "and all at once";
}

// Each kind of control remembers the last window it answered; a list made where another one was
// destroyed, and a list answered in turn with another, each answer from their own rows.
TEST_F(ListView, AListMadeAfterAnotherWentAnswersFromItsOwnRows) {
    const auto makeList = [this] {
        return CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 100, 100, dialog.hwnd(),
                               nullptr, nullptr, nullptr);
    };
    const auto count = [](HWND list) { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); };
    dialog.fillList(kOwnerList, 3);
    HWND gone = makeList();
    LVITEMW row{};
    SendMessageW(gone, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    ASSERT_EQ(count(gone), 1);
    DestroyWindow(gone);
    EXPECT_EQ(count(gone), 0) << "a destroyed list answers nothing";
    HWND made = makeList();
    EXPECT_EQ(count(made), 0);
    EXPECT_EQ(count(list()), 3);
    EXPECT_EQ(count(made), 0);
    DestroyWindow(made);
}

// A recomputation rewrites every row of a long list; only a row that can show repaints the list.
TEST_F(ListView, ACellWriteRepaintsOnlyWhenItsRowCanShow) {
    dialog.fillList(kOwnerList, 40);
    UpdateWindow(list()); // the rows are measured and painted
    const struct {
        int top;
        int row;
        bool repaints;
    } cases[] = {{0, 0, true}, {0, 1, true}, {0, 39, false}, {35, 39, true}, {35, 2, false}, {35, 34, false}};
    for (const auto& each : cases) {
        SendMessageW(list(), LVM_ENSUREVISIBLE, 0, FALSE);
        SendMessageW(list(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(each.top + PerPage() - 1), FALSE);
        ASSERT_EQ(Top(), each.top);
        UpdateWindow(list());
        ASSERT_FALSE(GetUpdateRect(list(), nullptr, FALSE));
        SetCell(each.row, 1, L"changed");
        BR_STANDIN_ONLY("which cell writes invalidate is the stand-in's own repaint economy, which Windows "
                        "does not document",
                        EXPECT_EQ(GetUpdateRect(list(), nullptr, FALSE) != FALSE, each.repaints)
                            << "row " << each.row);
        EXPECT_EQ(Cell(each.row, 1), L"changed");
    }
}

// Rows coming and going below the view change only the vertical bar; in view, or when the bar comes
// or goes, the rows themselves.
TEST_F(ListView, ARowComingOrGoingBelowTheViewRepaintsOnlyTheBar) {
    constexpr const char* kEconomy =
        "how much a row's coming or going invalidates is the stand-in's own repaint economy";
    dialog.fillList(kOwnerList, 40);
    RECT client{};
    GetClientRect(list(), &client);
    const POINT aRowInView{client.left + 4, (client.top + client.bottom) / 2};
    const auto repainted = [&](const std::function<void()>& change) {
        UpdateWindow(list());
        change();
        RECT update{};
        GetUpdateRect(list(), &update, FALSE);
        return update;
    };
    const auto rows = [&] { return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0)); };
    const auto deleteAt = [&](int row) { return [&, row] { SendMessageW(list(), LVM_DELETEITEM, row, 0); }; };
    const auto insertAt = [&](int row) {
        return [&, row] {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = const_cast<LPWSTR>(L"new");
            SendMessageW(list(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        };
    };
    const struct {
        const char* what;
        std::function<void()> change;
        bool rowsRepaint;
    } cases[] = {
        {"the last row deleted", deleteAt(38), false},
        {"a row added at the end", insertAt(39), false},
        {"a row in view deleted", deleteAt(1), true},
        {"a row added in view", insertAt(0), true},
    };
    for (const auto& each : cases) {
        const RECT update = repainted(each.change);
        BR_STANDIN_ONLY(kEconomy, EXPECT_FALSE(IsRectEmpty(&update)) << each.what;
                        EXPECT_EQ(PtInRect(&update, aRowInView) != FALSE, each.rowsRepaint) << each.what);
    }
    // Rows going until they all fit: the bar goes, the header widens, everything is repainted.
    const RECT update = repainted([&] {
        while (rows() > 1)
            deleteAt(rows() - 1)();
    });
    BR_STANDIN_ONLY(kEconomy, EXPECT_TRUE(PtInRect(&update, aRowInView)));
}

TEST_F(ListView, EnsureVisibleScrollsARowWhollyIntoView) {
    dialog.fillList(kOwnerList, 20);
    const int page = PerPage();
    ASSERT_GE(page, 2);
    const struct {
        int row;
        BOOL partialOk;
        int top;
    } cases[] = {
        {page - 1, FALSE, 0},   // wholly visible already
        {page, TRUE, 0},        // partly visible, and that is enough
        {page, FALSE, 1},       // partly visible is not enough: one row down
        {19, FALSE, 20 - page}, // the last row at the bottom
        {2, FALSE, 2},          // above the view: at the top
        {25, FALSE, 2},         // no such row: nothing moves
    };
    for (const auto& each : cases) {
        SendMessageW(list(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(each.row), each.partialOk);
        EXPECT_EQ(Top(), each.top) << "row " << each.row << " partial " << each.partialOk;
    }
    SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(Top(), 0);
}

TEST_F(ListView, MouseSelectionFollowsTheModifiers) {
    struct Case {
        const char* name;
        std::vector<int> selectedBefore;
        int markAndFocus; // from a plain click before the case, -1: none
        int row;          // -1: the empty area
        unsigned modifiers;
        bool right;
        std::vector<int> selectedAfter;
        int focusAfter;
    };
    const Case cases[] = {
        {"plain click selects one", {0, 2}, -1, 3, automation::kNone, false, {3}, 3},
        {"ctrl click adds", {1}, 1, 3, automation::kCtrl, false, {1, 3}, 3},
        {"ctrl click removes", {1, 3}, 3, 1, automation::kCtrl, false, {3}, 1},
        {"shift click extends from the mark", {}, 1, 4, automation::kShift, false, {1, 2, 3, 4}, 4},
        {"shift click upwards", {}, 4, 2, automation::kShift, false, {2, 3, 4}, 2},
        {"plain click on the empty area clears", {0, 1}, 1, -1, automation::kNone, false, {}, 1},
        {"right click on a selected row keeps the selection",
         {1, 2, 4},
         1,
         4,
         automation::kNone,
         true,
         {1, 2, 4},
         4},
        {"right click on another row selects it alone", {1, 2}, 1, 3, automation::kNone, true, {3}, 3},
        {"right click on the empty area clears", {1, 2}, 1, -1, automation::kNone, true, {}, 1},
    };
    for (const Case& each : cases) {
        SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
        dialog.fillList(kOwnerList, 5);
        if (each.markAndFocus >= 0) {
            ASSERT_TRUE(automation::PickListRow(list(), each.markAndFocus)) << each.name;
        }
        SetState(-1, 0, LVIS_SELECTED);
        for (int row : each.selectedBefore) {
            SetState(row, LVIS_SELECTED, LVIS_SELECTED);
        }
        if (each.right) {
            ASSERT_TRUE(automation::RightClickList(list(), each.row)) << each.name;
        } else if (each.row >= 0) {
            ASSERT_TRUE(automation::PickListRow(list(), each.row, each.modifiers)) << each.name;
        } else {
            // Right of the columns, below the header: no row there.
            ASSERT_TRUE(automation::ClickAt(list(), POINT{kOwnerColumnsWidth + 20, 30})) << each.name;
        }
        EXPECT_EQ(SelectedRows(list()), each.selectedAfter) << each.name;
        EXPECT_EQ(FocusedRow(list()), each.focusAfter) << each.name;
        EXPECT_EQ(GetFocus(), list()) << each.name << ": every click gives the list the focus";
    }
}

TEST_F(ListView, RightClickSendsNmRclickThenContextMenu) {
    dialog.fillList(kOwnerList, 4);
    dialog.takeEvents();
    ASSERT_TRUE(automation::RightClickList(list(), 2));
    ASSERT_TRUE(automation::RightClickList(list(), -1));
    EXPECT_EQ(dialog.takeEvents(), "101 NM_RCLICK row=2\n"
                                   "WM_CONTEXTMENU 101\n"
                                   "101 NM_RCLICK row=-1\n"
                                   "WM_CONTEXTMENU 101\n");
    ASSERT_TRUE(automation::PickListRow(list(), 1));
    EXPECT_EQ(dialog.takeEvents(), "101 NM_CLICK row=1\n");
}

TEST_F(ListView, KeysReachTheParentFirstThenMoveTheSelection) {
    dialog.fillList(kOwnerList, 10);
    ASSERT_TRUE(automation::PickListRow(list(), 0));
    dialog.takeEvents();
    automation::PressKey(VK_DOWN);
    automation::PressKey(VK_DOWN);
    automation::PressKey(VK_DELETE);
    automation::PressKey(VK_END);
    EXPECT_EQ(dialog.takeEvents(), "101 LVN_KEYDOWN vk=40\n"
                                   "101 LVN_KEYDOWN vk=40\n"
                                   "101 LVN_KEYDOWN vk=46\n"
                                   "101 LVN_KEYDOWN vk=35\n");
    EXPECT_EQ(SelectedRows(list()), std::vector<int>{9});
    EXPECT_EQ(FocusedRow(list()), 9);
    EXPECT_EQ(Top() + PerPage() - 1, 9) << "the new focus row was scrolled wholly into view";
    automation::PressKey(VK_UP, automation::kShift);
    EXPECT_EQ(SelectedRows(list()), (std::vector<int>{8, 9}));
}

TEST_F(ListView, OwnerDrawnRowsAreMeasuredOnceAndDrawnByTheParent) {
    dialog.fillList(kOwnerList, 10);
    SetState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list());
    dialog.takeDraws();
    RedrawWindow(list(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    UpdateWindow(list());
    const std::vector<DrawRecord> draws = dialog.takeDraws();
    EXPECT_EQ(dialog.measureCount(), 1);

    RECT client{};
    GetClientRect(list(), &client);
    RECT headerRect{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0)), &headerRect);
    const int headerHeight = headerRect.bottom - headerRect.top; // the system's, from the list's font
    const int rowsHeight = client.bottom - headerHeight;
    const int visible = (rowsHeight + kOwnerRowHeight - 1) / kOwnerRowHeight;
    ASSERT_EQ(static_cast<int>(draws.size()), visible)
        << "every row in view, the one cut at the bottom included";
    for (size_t index = 0; index < draws.size(); ++index) {
        const DrawRecord& draw = draws[index];
        const int row = static_cast<int>(index);
        EXPECT_EQ(draw.ctlType, static_cast<UINT>(ODT_LISTVIEW));
        EXPECT_EQ(static_cast<int>(draw.row), row);
        EXPECT_EQ(draw.action, static_cast<UINT>(ODA_DRAWENTIRE));
        EXPECT_EQ(draw.state, row == 1 ? static_cast<UINT>(ODS_SELECTED | ODS_FOCUS) : 0u) << "row " << row;
        EXPECT_EQ(draw.data, static_cast<ULONG_PTR>(100 + row));
        EXPECT_EQ(draw.rect.right - draw.rect.left, kOwnerColumnsWidth);
        EXPECT_EQ(draw.rect.bottom - draw.rect.top, kOwnerRowHeight);
        EXPECT_EQ(draw.rect.top, headerHeight + row * kOwnerRowHeight);
    }

    SetFocus(dialog.item(kPush));
    dialog.takeDraws();
    UpdateWindow(list());
    for (const DrawRecord& draw : dialog.takeDraws()) {
        // LVS_SHOWSELALWAYS: still selected without the focus, but no focus rectangle.
        EXPECT_EQ(draw.state, draw.row == 1 ? static_cast<UINT>(ODS_SELECTED) : 0u) << "row " << draw.row;
    }
}

// The parent is asked once, as the control is made (in a dialog, as the list gets its font before
// WM_INITDIALOG); a new font, painting and rows never ask again.
TEST_F(ListView, OwnerDrawnRowsAreMeasuredOnceWhenMadeNotWhenPainted) {
    ASSERT_EQ(dialog.measureCount(), 1) << "asked while the dialog was made";
    dialog.fillList(kOwnerList, 3);
    UpdateWindow(list());
    automation::ReadPixel(list(), 1, 1); // a full repaint
    EXPECT_EQ(dialog.measureCount(), 1);
    SendMessageW(list(), WM_SETFONT, SendMessageW(dialog.hwnd(), WM_GETFONT, 0, 0), TRUE);
    automation::ReadPixel(list(), 1, 1);
    EXPECT_EQ(dialog.measureCount(), 1) << "a new font does not ask again";
}

TEST_F(ListView, TheWheelScrollsAndAPickedRowIsBroughtIntoView) {
    dialog.fillList(kOwnerList, 30);
    ASSERT_TRUE(automation::PickListRow(list(), 25));
    EXPECT_EQ(SelectedRows(list()), std::vector<int>{25});
    EXPECT_LE(Top(), 25);
    EXPECT_GT(Top() + PerPage(), 25);
    ASSERT_TRUE(automation::PickListRow(list(), 0));
    EXPECT_EQ(Top(), 0);
}

// Each row a change reaches is told of it on its own: LVN_ITEMCHANGING first, even when nothing
// changes, LVN_ITEMCHANGED after a change only; a row taking the focus takes it from another row
// between the two. Sub-items are never told of.
TEST_F(ListView, EachRowIsToldOfItsChangeBeforeAndAfter) {
    dialog.fillList(kOwnerList, 3);
    EXPECT_EQ(Notes(), "101 LVN_INSERTITEM row=0 sub=0 changed=- old=- new=- param=100\n"
                       "101 LVN_INSERTITEM row=1 sub=0 changed=- old=- new=- param=101\n"
                       "101 LVN_INSERTITEM row=2 sub=0 changed=- old=- new=- param=102\n")
        << "the second cells were written without a word";
    const auto setItem = [this](UINT mask, const wchar_t* text, LPARAM param) {
        LVITEMW item{};
        item.mask = mask;
        item.iItem = 1;
        item.pszText = const_cast<LPWSTR>(text);
        item.lParam = param;
        item.state = LVIS_SELECTED;
        item.stateMask = LVIS_SELECTED;
        return SendMessageW(list(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        std::string notes;
        bool unchangedRowsLeftOut = false; // a change of every row that leaves some rows as they were
    };
    const Step steps[] = {
        {"select a row", [&] { SetState(2, LVIS_SELECTED, LVIS_SELECTED); },
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"},
        {"select it again", [&] { SetState(2, LVIS_SELECTED, LVIS_SELECTED); },
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=SELECTED new=SELECTED param=102\n"},
        {"focus it", [&] { SetState(2, LVIS_FOCUSED, LVIS_FOCUSED); },
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=102\n"},
        {"focus another", [&] { SetState(0, LVIS_FOCUSED, LVIS_FOCUSED); },
         "101 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=- new=FOCUSED param=100\n"
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=102\n"
         "101 LVN_ITEMCHANGED row=0 sub=0 changed=STATE old=- new=FOCUSED param=100\n"},
        {"deselect every row", [&] { SetState(-1, 0, LVIS_SELECTED); },
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=SELECTED new=- param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=SELECTED new=- param=102\n",
         true},
        {"deselect every row when none is", [&] { SetState(-1, 0, LVIS_SELECTED); }, ""},
        {"select every row", [&] { SetState(-1, LVIS_SELECTED, LVIS_SELECTED); },
         "101 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=FOCUSED new=FOCUSED|SELECTED param=100\n"
         "101 LVN_ITEMCHANGED row=0 sub=0 changed=STATE old=FOCUSED new=FOCUSED|SELECTED param=100\n"
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=- new=SELECTED param=101\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=- new=SELECTED param=101\n"
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"},
        {"focus every row (refused)", [&] { SetState(-1, LVIS_FOCUSED, LVIS_FOCUSED); }, ""},
        {"first cell", [&] { SetCell(1, 0, L"x"); },
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=TEXT old=- new=- param=101\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=TEXT old=- new=- param=101\n"},
        {"the same first cell", [&] { SetCell(1, 0, L"x"); },
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=TEXT old=- new=- param=101\n"},
        {"a sub-item", [&] { SetCell(1, 1, L"y"); }, ""},
        {"first cell by LVM_SETITEMTEXTW",
         [&] {
             LVITEMW item{};
             item.pszText = const_cast<LPWSTR>(L"z");
             SendMessageW(list(), LVM_SETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
         },
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=TEXT old=- new=- param=101\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=TEXT old=- new=- param=101\n"},
        {"item data: the old before, the new after", [&] { setItem(LVIF_PARAM, nullptr, 7); },
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=PARAM old=- new=- param=101\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=PARAM old=- new=- param=7\n"},
        {"state, text and data at once", [&] { setItem(LVIF_STATE | LVIF_TEXT | LVIF_PARAM, L"w", 8); },
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=TEXT|PARAM old=SELECTED new=SELECTED param=7\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=TEXT|PARAM old=SELECTED new=SELECTED param=8\n"},
        {"deselect every row", [&] { SetState(-1, 0, LVIS_SELECTED); },
         "101 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=100\n"
         "101 LVN_ITEMCHANGED row=0 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=100\n"
         "101 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=SELECTED new=- param=8\n"
         "101 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=SELECTED new=- param=8\n"
         "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=SELECTED new=- param=102\n"
         "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=SELECTED new=- param=102\n"},
    };
    for (const Step& step : steps) {
        step.act();
        const std::string notes = Notes();
        if (step.unchangedRowsLeftOut) {
            BR_FAILS_ON_WINDOWS(
                "the stand-in tells a change of every row only to the rows it changes, where "
                "Windows sends LVN_ITEMCHANGING to the others too: the dialog clears the "
                "selection of all rows for each row it adds, which must not cost a message per row",
                EXPECT_EQ(notes, step.notes) << step.name);
        } else {
            EXPECT_EQ(notes, step.notes) << step.name;
        }
    }
}

TEST_F(ListView, AParentsVetoKeepsTheRowAsItWas) {
    dialog.fillList(kOwnerList, 3);
    SetCell(1, 0, L"kept");
    dialog.takeListNotes();
    dialog.answer(LVN_ITEMCHANGING, TRUE, 1);
    LVITEMW all{};
    all.state = LVIS_SELECTED;
    all.stateMask = LVIS_SELECTED;
    EXPECT_FALSE(
        SendMessageW(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all)))
        << "not every row took the change";
    EXPECT_EQ(SelectedRows(list()), (std::vector<int>{0, 2}));
    EXPECT_FALSE(SetCell(1, 0, L"changed"));
    EXPECT_EQ(Cell(1, 0), L"kept");
    EXPECT_EQ(Notes(), "101 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=- new=SELECTED param=100\n"
                       "101 LVN_ITEMCHANGED row=0 sub=0 changed=STATE old=- new=SELECTED param=100\n"
                       "101 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=- new=SELECTED param=101\n"
                       "101 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
                       "101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
                       "101 LVN_ITEMCHANGING row=1 sub=0 changed=TEXT old=- new=- param=101\n");
}

// A click or a key is made of single-row changes: the others lose their selection first, then the
// row takes its own; the list takes the focus after the rows changed.
TEST_F(ListView, ClicksAndKeysChangeOneRowAtATime) {
    dialog.fillList(kPlainList, 5);
    HWND plain = dialog.item(kPlainList);
    dialog.takeListNotes();
    struct Step {
        const char* name;
        std::function<void()> act;
        std::string notes;
    };
    const Step steps[] = {
        {"click a row of a list without the focus", [&] { automation::PickListRow(plain, 1); },
         "102 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=101\n"
         "102 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=101\n"
         "102 NM_SETFOCUS\n"
         "102 NM_CLICK row=1\n"},
        {"click another", [&] { automation::PickListRow(plain, 3); },
         "102 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=101\n"
         "102 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=101\n"
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=103\n"
         "102 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=FOCUSED new=- param=101\n"
         "102 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=FOCUSED new=- param=101\n"
         "102 LVN_ITEMCHANGED row=3 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=103\n"
         "102 NM_CLICK row=3\n"},
        {"ctrl click adds", [&] { automation::PickListRow(plain, 4, automation::kCtrl); },
         "102 LVN_KEYDOWN vk=17\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=104\n"
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=103\n"
         "102 LVN_ITEMCHANGED row=3 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=103\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=104\n"
         "102 NM_CLICK row=4\n"},
        {"shift click selects from the mark", [&] { automation::PickListRow(plain, 2, automation::kShift); },
         "102 LVN_KEYDOWN vk=16\n"
         "102 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
         "102 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=SELECTED new=SELECTED param=103\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED|SELECTED "
         "param=104\n"
         "102 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=102\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=104\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=104\n"
         "102 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=102\n"
         "102 NM_CLICK row=2\n"},
        {"down", [&] { automation::PressKey(VK_DOWN); },
         "102 LVN_KEYDOWN vk=40\n"
         "102 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=102\n"
         "102 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=102\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=SELECTED new=- param=104\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=SELECTED new=- param=104\n"
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=103\n"
         "102 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=FOCUSED new=- param=102\n"
         "102 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=FOCUSED new=- param=102\n"
         "102 LVN_ITEMCHANGED row=3 sub=0 changed=STATE old=SELECTED new=FOCUSED|SELECTED param=103\n"},
        {"ctrl down moves only the focus", [&] { automation::PressKey(VK_DOWN, automation::kCtrl); },
         "102 LVN_KEYDOWN vk=17\n"
         "102 LVN_KEYDOWN vk=40\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=- new=FOCUSED param=104\n"
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=103\n"
         "102 LVN_ITEMCHANGED row=3 sub=0 changed=STATE old=FOCUSED|SELECTED new=SELECTED param=103\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=- new=FOCUSED param=104\n"},
        {"ctrl space flips the focused row", [&] { automation::PressKey(VK_SPACE, automation::kCtrl); },
         "102 LVN_KEYDOWN vk=17\n"
         "102 LVN_KEYDOWN vk=32\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=FOCUSED new=FOCUSED|SELECTED param=104\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=FOCUSED new=FOCUSED|SELECTED param=104\n"},
        {"click the empty area",
         [&] {
             automation::ClickAt(plain, POINT{kOwnerColumnsWidth + 20, 30});
         },
         "102 LVN_ITEMCHANGING row=3 sub=0 changed=STATE old=SELECTED new=- param=103\n"
         "102 LVN_ITEMCHANGED row=3 sub=0 changed=STATE old=SELECTED new=- param=103\n"
         "102 LVN_ITEMCHANGING row=4 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=104\n"
         "102 LVN_ITEMCHANGED row=4 sub=0 changed=STATE old=FOCUSED|SELECTED new=FOCUSED param=104\n"
         "102 NM_CLICK row=-1\n"},
        {"the focus goes", [&] { SetFocus(dialog.item(kPush)); }, "102 NM_KILLFOCUS\n"},
        {"and comes back", [&] { SetFocus(plain); }, "102 NM_SETFOCUS\n"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(Notes(), step.notes) << step.name;
    }
}

// A single-selection list takes the selection from the selected row while the new one changes, and
// refuses to select every row.
TEST_F(ListView, ASingleSelectionListMovesTheSelectionBetweenTheRowsNotifications) {
    HWND plain = dialog.item(kPlainList);
    SetWindowLongW(plain, GWL_STYLE, GetWindowLongW(plain, GWL_STYLE) | LVS_SINGLESEL);
    dialog.fillList(kPlainList, 3);
    const auto setState = [plain](int row, UINT state) {
        LVITEMW item{};
        item.state = state;
        item.stateMask = LVIS_SELECTED;
        return SendMessageW(plain, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                            reinterpret_cast<LPARAM>(&item));
    };
    setState(0, LVIS_SELECTED);
    dialog.takeListNotes();
    setState(2, LVIS_SELECTED);
    EXPECT_FALSE(setState(-1, LVIS_SELECTED));
    EXPECT_EQ(SelectedRows(plain), std::vector<int>{2});
    EXPECT_EQ(Notes(), "102 LVN_ITEMCHANGING row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n"
                       "102 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=SELECTED new=- param=100\n"
                       "102 LVN_ITEMCHANGED row=0 sub=0 changed=STATE old=SELECTED new=- param=100\n"
                       "102 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=SELECTED param=102\n");
}

// A row going first gives up its selection and focus; LVM_DELETEALLITEMS and the list's end tell
// of every row from the last up, unless the parent answers LVN_DELETEALLITEMS with TRUE.
TEST_F(ListView, RowsComingAndGoingAreTold) {
    dialog.fillList(kOwnerList, 4);
    SetState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    dialog.takeListNotes();
    EXPECT_TRUE(SendMessageW(list(), LVM_DELETEITEM, 1, 0));
    EXPECT_TRUE(SendMessageW(list(), LVM_DELETEITEM, 0, 0));
    EXPECT_EQ(Notes(), "101 LVN_ITEMCHANGING row=1 sub=0 changed=STATE old=FOCUSED|SELECTED new=- param=101\n"
                       "101 LVN_ITEMCHANGED row=1 sub=0 changed=STATE old=FOCUSED|SELECTED new=- param=101\n"
                       "101 LVN_DELETEITEM row=1 sub=0 changed=- old=- new=- param=101\n"
                       "101 LVN_ITEMCHANGING row=0 sub=0 changed=STATE old=- new=- param=100\n"
                       "101 LVN_DELETEITEM row=0 sub=0 changed=- old=- new=- param=100\n");
    EXPECT_TRUE(SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(Notes(), "101 LVN_DELETEALLITEMS row=-1 sub=0 changed=- old=- new=- param=0\n"
                       "101 LVN_DELETEITEM row=1 sub=0 changed=- old=- new=- param=103\n"
                       "101 LVN_DELETEITEM row=0 sub=0 changed=- old=- new=- param=102\n");
    SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(Notes(), "101 LVN_DELETEALLITEMS row=-1 sub=0 changed=- old=- new=- param=0\n")
        << "told even with no rows";

    dialog.fillList(kOwnerList, 2);
    dialog.takeListNotes();
    dialog.answer(LVN_DELETEALLITEMS, TRUE);
    SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(Notes(), "101 LVN_DELETEALLITEMS row=-1 sub=0 changed=- old=- new=- param=0\n");

    dialog.answer(LVN_DELETEALLITEMS, FALSE);
    dialog.fillList(kOwnerList, 2);
    dialog.takeListNotes();
    DestroyWindow(list());
    EXPECT_EQ(Notes(), "101 LVN_DELETEALLITEMS row=-1 sub=0 changed=- old=- new=- param=0\n"
                       "101 LVN_DELETEITEM row=1 sub=0 changed=- old=- new=- param=101\n"
                       "101 LVN_DELETEITEM row=0 sub=0 changed=- old=- new=- param=100\n")
        << "a list that ends tells of its rows";
}

// Each paint begins with CDDS_PREPAINT; rows, cells and the ends of painting are told of only when
// the parent asks. An owner-drawn list has no cells to tell of.
TEST_F(ListView, CustomDrawTellsTheStagesTheParentAsksFor) {
    for (int id : {kOwnerList, kPlainList}) {
        HWND each = dialog.item(id);
        dialog.fillList(id, 2);
        UpdateWindow(each);
        dialog.takeCustomDraws();
        const auto paint = [&] {
            RedrawWindow(each, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return dialog.takeCustomDraws();
        };
        const std::string name = std::to_string(id);
        EXPECT_EQ(paint(), name + " CDDS_PREPAINT\n") << "a parent answering CDRF_DODEFAULT";
        dialog.answerCustomDraw(CDDS_PREPAINT, CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT);
        EXPECT_EQ(paint(), name + " CDDS_PREPAINT\n" + name +
                               " CDDS_ITEMPREPAINT row=0 sub=0 state=- param=100\n" + name +
                               " CDDS_ITEMPREPAINT row=1 sub=0 state=- param=101\n" + name +
                               " CDDS_POSTPAINT\n");
        dialog.answerCustomDraw(CDDS_ITEMPREPAINT, CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT);
        std::string rows;
        for (int row = 0; row < 2; ++row) {
            const std::string item = " row=" + std::to_string(row) + " sub=";
            const std::string rest = " state=- param=" + std::to_string(100 + row) + "\n";
            rows += name + " CDDS_ITEMPREPAINT" + item + "0" + rest;
            if (id == kPlainList) {
                for (int sub = 0; sub < 3; ++sub) {
                    rows += name + " CDDS_ITEMPREPAINT|CDDS_SUBITEM" + item + std::to_string(sub) + rest;
                }
            }
            rows += name + " CDDS_ITEMPOSTPAINT" + item + "0" + rest;
        }
        EXPECT_EQ(paint(), name + " CDDS_PREPAINT\n" + rows + name + " CDDS_POSTPAINT\n");
        dialog.answerCustomDraw(CDDS_ITEMPREPAINT, CDRF_DODEFAULT);

        // A row's stage says how it shows: selected, and with the focus rectangle while the list
        // has the focus.
        LVITEMW selected{};
        selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(each, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
        SetFocus(each);
        UpdateWindow(each);
        dialog.takeCustomDraws();
        EXPECT_EQ(paint(), name + " CDDS_PREPAINT\n" + name +
                               " CDDS_ITEMPREPAINT row=0 sub=0 state=- param=100\n" + name +
                               " CDDS_ITEMPREPAINT row=1 sub=0 state=SELECTED|FOCUS param=101\n" + name +
                               " CDDS_POSTPAINT\n");
        dialog.answerCustomDraw(CDDS_PREPAINT, CDRF_DODEFAULT);
    }
}

} // namespace
