// The list view's row store and its bookkeeping, checked against plain standard containers under
// long random runs of the operations a list sees (insert anywhere, delete anywhere, select, focus),
// and the deletion pattern of its users (the selected rows, walking upwards) kept linear.
#include "listview_model.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace controls {
namespace {

ListRow RowWithText(const std::wstring& text) {
    ListRow row;
    row.cells.push_back(text);
    return row;
}

std::vector<std::wstring> FirstCells(const RowStore& store) {
    std::vector<std::wstring> cells;
    for (int row = 0; row < store.count(); ++row) {
        cells.push_back(store.at(row).cells.empty() ? L"" : store.at(row).cells[0]);
    }
    return cells;
}

TEST(RowStore, KeepsOrderUnderRandomInsertsAndDeletesAnywhere) {
    std::mt19937 random(1234);
    RowStore store;
    std::vector<std::wstring> oracle;
    for (int step = 0; step < 4000; ++step) {
        const int count = static_cast<int>(oracle.size());
        const int where = count == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(count + 1));
        if (count == 0 || random() % 3 != 0) {
            const std::wstring text = std::to_wstring(step);
            store.insert(where, RowWithText(text));
            oracle.insert(oracle.begin() + where, text);
        } else {
            const int victim = where == count ? count - 1 : where;
            store.erase(victim);
            oracle.erase(oracle.begin() + victim);
        }
        if (step % 397 == 0) {
            ASSERT_EQ(FirstCells(store), oracle) << "after step " << step;
        }
    }
    EXPECT_EQ(FirstCells(store), oracle);
    store.reserve(store.count() + 5000);
    EXPECT_EQ(FirstCells(store), oracle) << "reserving room must not move rows";
    store.clear();
    EXPECT_EQ(store.count(), 0);
}

TEST(RowStore, OutOfRangeInsertsAppendAndOutOfRangeDeletesDoNothing) {
    RowStore store;
    store.insert(7, RowWithText(L"a"));  // past the end: appended
    store.insert(-3, RowWithText(L"b")); // before the start: first
    store.erase(5);
    store.erase(-1);
    EXPECT_EQ(FirstCells(store), (std::vector<std::wstring>{L"b", L"a"}));
}

// Recounts what the model caches, from the rows themselves.
void ExpectBookkeepingMatchesRows(const ListModel& model, const std::vector<bool>& selected, int focus) {
    int count = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        ASSERT_EQ(model.rowState(row, LVIS_SELECTED) != 0, selected[static_cast<size_t>(row)])
            << "row " << row;
        count += selected[static_cast<size_t>(row)] ? 1 : 0;
    }
    EXPECT_EQ(model.selectedCount(), count);
    EXPECT_EQ(model.focusedRow(), focus);
}

TEST(ListModel, SelectedCountAndFocusFollowEveryKindOfChange) {
    std::mt19937 random(99);
    ListModel model;
    std::vector<bool> selected;
    int focus = -1;
    for (int step = 0; step < 5000; ++step) {
        const int count = model.rowCount();
        const int row = count == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(count));
        switch (random() % 6) {
        case 0:
        case 1: {
            const bool select = random() % 2 == 0;
            ListRow contents;
            contents.state = select ? LVIS_SELECTED : 0; // a row comes unselected whatever it asks
            const int at = model.insertRow(row, std::move(contents));
            selected.insert(selected.begin() + at, false);
            if (focus >= at) {
                ++focus;
            }
            break;
        }
        case 2:
            if (count > 0) {
                model.deleteRow(row);
                selected.erase(selected.begin() + row);
                focus = focus == row ? -1 : (focus > row ? focus - 1 : focus);
            }
            break;
        case 3:
            if (count > 0) {
                const bool select = random() % 2 == 0;
                model.writeRowState(row, select ? LVIS_SELECTED | LVIS_FOCUSED : 0);
                selected[static_cast<size_t>(row)] = select;
                focus = select ? row : (focus == row ? -1 : focus);
            }
            break;
        case 4:
            if (count > 0) {
                model.writeRowState(row, LVIS_SELECTED);
                selected[static_cast<size_t>(row)] = true;
                focus = focus == row ? -1 : focus;
            }
            break;
        default:
            if (count > 0) {
                model.writeRowState(row, model.rowState(row, ~0u) & ~LVIS_SELECTED);
                selected[static_cast<size_t>(row)] = false;
            }
            break;
        }
        if (step % 251 == 0) {
            ExpectBookkeepingMatchesRows(model, selected, focus);
        }
    }
    ExpectBookkeepingMatchesRows(model, selected, focus);
}

TEST(ListModel, SubItemsWithoutAColumnCannotBeWritten) {
    ListModel model;
    model.insertColumn(0, ListColumn{LVCFMT_LEFT, 30, L"No", 0});
    model.insertColumn(1, ListColumn{LVCFMT_RIGHT, 0, L"", 1});
    model.insertRow(0, ListRow{});
    EXPECT_TRUE(model.setCellText(0, 1, L"12.500000")) << "a width-0 column still holds its cells";
    EXPECT_FALSE(model.setCellText(0, 2, L"x"));
    EXPECT_FALSE(model.setCellText(1, 0, L"x")) << "no such row";
    EXPECT_EQ(model.cellText(0, 1), L"12.500000");
    EXPECT_EQ(model.cellText(0, 0), L"") << "a cell never written reads empty";
    // Rewritten with a shorter and a longer text, and with a part of its own text.
    EXPECT_TRUE(model.setCellText(0, 1, L"3.5"));
    EXPECT_TRUE(model.setCellText(0, 1, L"1234567.123456"));
    EXPECT_TRUE(model.setCellText(0, 1, std::wstring_view(model.cellText(0, 1)).substr(8)));
    EXPECT_EQ(model.cellText(0, 1), L"123456");
}

// Deleting every other row of 200,000, walking upwards as a list's users delete the selected rows:
// with a tail-moving store this is ~10^10 moves and does not finish; it must stay linear.
TEST(ListModel, DeletingSelectedRowsUpwardsStaysLinear) {
    ListModel model;
    constexpr int kRows = 200000;
    for (int row = 0; row < kRows; ++row) {
        ListRow contents;
        contents.cells = {std::to_wstring(row + 1)};
        model.insertRow(row, std::move(contents));
        if (row % 2) {
            model.writeRowState(row, LVIS_SELECTED);
        }
    }
    for (int row = model.rowCount() - 1; row >= 0; --row) {
        if (model.rowState(row, LVIS_SELECTED)) {
            model.deleteRow(row);
        }
    }
    ASSERT_EQ(model.rowCount(), kRows / 2);
    EXPECT_EQ(model.selectedCount(), 0);
    EXPECT_EQ(model.cellText(0, 0), L"1");
    EXPECT_EQ(model.cellText(kRows / 2 - 1, 0), std::to_wstring(kRows - 1));
    model.insertRow(model.rowCount(), ListRow{{L"new"}});
    EXPECT_EQ(model.cellText(kRows / 2, 0), L"new");
}

} // namespace
} // namespace controls
