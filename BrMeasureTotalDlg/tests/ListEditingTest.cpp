// The user working on the list: deleting, selecting and signing rows, the context menu that
// reaches every list command, and the rows copied to the clipboard.
#include "DialogHarness.h"

#include <automation.h>
#include <standin/hooks.h>

#include <commctrl.h>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;

class ListEditing : public DialogTest {
protected:
    // Rows valued 10, 20, 30 ... and the given rows picked by the user (Ctrl+click).
    void MakeRows(int count, std::initializer_list<int> picked) {
        for (int row = 0; row < count; ++row)
            ASSERT_TRUE(Measure(10.0 * (row + 1)));
        PickRows(picked);
    }
    void PickRows(std::initializer_list<int> picked) {
        bool first = true;
        for (int row : picked) {
            automation::PickListRow(Control(1348), row, first ? automation::kNone : automation::kCtrl);
            first = false;
        }
    }
    // A right-click on a selected row keeps the selection; on the empty area (nothing selected)
    // there is nothing to keep.
    void MenuCommand(UINT command) {
        const std::vector<int> selected = SelectedRows();
        automation::PickNextMenuCommand(command);
        automation::RightClickList(Control(1348), selected.empty() ? -1 : selected.front());
    }
    int SetDataRuns() const {
        int runs = 0;
        for (const LogEntry& entry : m_log.entries())
            if (entry.mark == L'>' && entry.text.rfind(L"MeasureTotalDlg: SetData()", 0) == 0)
                ++runs;
        return runs;
    }
};

struct DeleteCase {
    const char* name;
    int rows;
    std::vector<int> picked;
    Texts remainingRaw;
    std::vector<int> selectedAfter;
    std::wstring total;
};

class DeleteSelected : public ListEditing, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSelected, RemovesTheRowsRenumbersAndSelectsTheNextOne) {
    const DeleteCase& c = GetParam();
    for (int row = 0; row < c.rows; ++row)
        ASSERT_TRUE(Measure(10.0 * (row + 1)));
    bool first = true;
    for (int row : c.picked) {
        automation::PickListRow(Control(1348), row, first ? automation::kNone : automation::kCtrl);
        first = false;
    }
    automation::Click(Control(1351));

    EXPECT_EQ(Column(5), c.remainingRaw);
    Texts numbers;
    for (size_t i = 1; i <= c.remainingRaw.size(); ++i)
        numbers.push_back(std::to_wstring(i));
    EXPECT_EQ(Column(0), numbers);
    EXPECT_EQ(SelectedRows(), c.selectedAfter);
    EXPECT_EQ(FocusedRow(), c.selectedAfter.empty() ? -1 : c.selectedAfter.front());
    EXPECT_EQ(Text(1316), c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteSelected,
    ::testing::Values(
        DeleteCase{"RowsTwoAndFour", 5, {1, 3}, {L"10.000000", L"30.000000", L"50.000000"}, {1}, L"90"},
        DeleteCase{"TheLastTwo", 5, {3, 4}, {L"10.000000", L"20.000000", L"30.000000"}, {2}, L"60"},
        DeleteCase{"Everything", 3, {0, 1, 2}, {}, {}, L"0"}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(ListEditing, AnEmptyListShowsZeroInTheCurrentRoundingAndNoUnit) {
    StoreSetting(L"marume1", _variant_t(3, VT_INT));
    MakeRows(1, {0});
    automation::Click(Control(1351));
    EXPECT_EQ(Text(1316), L"0.00");
    EXPECT_FALSE(Visible(1350));
    for (int radio : {1016, 1017, 1019, 1020})
        EXPECT_FALSE(Enabled(radio)) << radio;
}

TEST_F(ListEditing, TheNextMeasurementAfterADeletionContinuesTheNumbers) {
    MakeRows(4, {1});
    automation::Click(Control(1351));
    ASSERT_TRUE(Measure(99));
    EXPECT_EQ(Column(0), (Texts{L"1", L"2", L"3", L"4"}));
}

TEST_F(ListEditing, TheDeleteKeyDeletesOnlyWhenRowsAreSelected) {
    MakeRows(3, {1});
    automation::PressKey(VK_DELETE);
    EXPECT_EQ(Column(5), (Texts{L"10.000000", L"30.000000"}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));

    // Nothing selected: nothing happens, nothing is recomputed.
    DeselectAll();
    m_log.clear();
    automation::PressKey(VK_DELETE);
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(SetDataRuns(), 0);

    // Another key has no meaning in the list.
    automation::PickListRow(Control(1348), 0);
    m_log.clear();
    automation::PressKey(VK_INSERT);
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(SetDataRuns(), 0);
}

TEST_F(ListEditing, DeleteAllAsksFirstAndOnlyYesEmptiesTheList) {
    ASSERT_TRUE(Measure(1));
    automation::Click(Control(1351)); // the only row goes: the list is empty
    ASSERT_EQ(Rows(), 0);
    automation::Click(Control(1349));
    EXPECT_TRUE(standin::MessageBoxes().empty()) << "nothing to delete, nothing asked";

    MakeRows(2, {});
    automation::AnswerNextMessageBox(IDNO);
    automation::Click(Control(1349));
    EXPECT_EQ(Rows(), 2);
    automation::AnswerNextMessageBox(IDYES);
    automation::Click(Control(1349));
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Text(1316), L"0");

    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, L"すべて削除します。よろしいですか？");
        // Yes and No, Yes the default; the icon is MFC's own choice for a question.
        EXPECT_EQ(box.flags & (MB_TYPEMASK | MB_DEFMASK), static_cast<UINT>(MB_YESNO | MB_DEFBUTTON1));
    }
}

TEST_F(ListEditing, MinusAndPlusChangeTheSignCellsAndTheTotal) {
    MakeRows(3, {0, 2});
    MenuCommand(1007); // －
    EXPECT_EQ(Column(3), (Texts{L"-", L" ", L"-"}));
    EXPECT_EQ(Text(1316), L"-20");
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 2}));

    PickRows({2});
    MenuCommand(1006); // ＋
    EXPECT_EQ(Column(3), (Texts{L"-", L" ", L""}));
    EXPECT_EQ(Text(1316), L"40");

    // ＋ on a row the host added leaves the total, but the cell loses its space.
    PickRows({1});
    MenuCommand(1006);
    EXPECT_EQ(Column(3), (Texts{L"-", L"", L""}));
    EXPECT_EQ(Text(1316), L"40");
}

TEST_F(ListEditing, SelectAllSelectsEveryRowAndKeepsTheFocus) {
    MakeRows(3, {1});
    MenuCommand(1003);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(FocusedRow(), 1);
    MenuCommand(1007);
    EXPECT_EQ(Column(3), (Texts{L"-", L"-", L"-"}));
}

TEST_F(ListEditing, TheContextMenuOffersTenPositionsWithCopyGrayedWithoutSelection) {
    MakeRows(2, {});
    DeselectAll();
    standin::ClearMenus();
    automation::DismissNextMenu();
    automation::RightClickList(Control(1348), -1);
    PickRows({0});
    automation::DismissNextMenu();
    automation::RightClickList(Control(1348), 0);

    const auto menus = standin::Menus();
    ASSERT_EQ(menus.size(), 2u);
    struct Entry {
        UINT command;
        const wchar_t* text;
    };
    const Entry expected[] = {{1006, L"＋"},
                              {1007, L"－"},
                              {0, nullptr},
                              {1003, L"すべて選択"},
                              {0, nullptr},
                              {1004, L"削除"},
                              {1005, L"すべて削除"},
                              {0, nullptr},
                              {1001, L"クリップボードにコピー"},
                              {1002, L"クリップボードにすべてコピー"}};
    for (size_t m = 0; m < menus.size(); ++m) {
        const auto& entries = menus[m].entries;
        ASSERT_EQ(entries.size(), std::size(expected));
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].separator, expected[i].text == nullptr) << i;
            if (expected[i].text != nullptr) {
                EXPECT_EQ(entries[i].command, expected[i].command) << i;
                EXPECT_EQ(entries[i].text, expected[i].text) << i;
            }
            const bool grayed = m == 0 && expected[i].command == 1001;
            EXPECT_EQ(entries[i].grayed, grayed) << "menu " << m << " position " << i;
        }
        EXPECT_EQ(menus[m].flags, static_cast<UINT>(TPM_RIGHTBUTTON));
        EXPECT_EQ(menus[m].chosen, 0u);
    }
    EXPECT_EQ(Rows(), 2) << "dismissing runs nothing";
    EXPECT_EQ(standin::CountLiveObjects().menus, 0) << "the menu is destroyed either way";
}

TEST_F(ListEditing, ASingleSelectionListHasNoSelectAllEntry) {
    MakeRows(1, {});
    SetWindowLongW(Control(1348), GWL_STYLE, GetWindowLongW(Control(1348), GWL_STYLE) | LVS_SINGLESEL);
    standin::ClearMenus();
    automation::DismissNextMenu();
    automation::RightClickList(Control(1348), 0);
    const auto menus = standin::Menus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].entries.size(), 9u);
    EXPECT_TRUE(menus[0].entries[2].separator);
    EXPECT_TRUE(menus[0].entries[3].separator);
}

TEST_F(ListEditing, DeleteFromTheMenuDoesWhatTheButtonDoes) {
    MakeRows(3, {1});
    MenuCommand(1004);
    EXPECT_EQ(Column(5), (Texts{L"10.000000", L"30.000000"}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(standin::CountLiveObjects().menus, 0);
}

TEST_F(ListEditing, CopyPutsThePickedRowsAsTabSeparatedLines) {
    ASSERT_TRUE(Measure(Measurement(12.5, FALSE, 0, L"1/100", L"線分")));
    ASSERT_TRUE(Measure(Measurement(4, TRUE, 0, L"1/200", L"円弧")));
    ASSERT_TRUE(Measure(Measurement(7, FALSE, 0, L"1/300", L"折れ線")));
    PickRows({0, 2});
    MenuCommand(1001);
    EXPECT_EQ(standin::ClipboardText(), L"1\t1/100\t線分\t 13\tmm\r\n3\t1/300\t折れ線\t 7\tmm\r\n");

    MenuCommand(1002);
    EXPECT_EQ(standin::ClipboardText(),
              L"1\t1/100\t線分\t 13\tmm\r\n2\t1/200\t円弧\t-4\tmm\r\n3\t1/300\t折れ線\t 7\tmm\r\n");

    PickRows({2});
    MenuCommand(1006);
    MenuCommand(1001);
    EXPECT_EQ(standin::ClipboardText(), L"3\t1/300\t折れ線\t7\tmm\r\n")
        << "after ＋ the value has no leading space";
    EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(ListEditing, CopiedValuesFollowTheUnit) {
    StoreSetting(L"marume1", _variant_t(4, VT_INT));
    MakeRows(1, {0});
    automation::Click(Control(1017));
    MenuCommand(1002);
    EXPECT_EQ(standin::ClipboardText(), L"1\t1/100\t線分\t 0.010\tm\r\n");
}

TEST_F(ListEditing, CopyWithNothingPickedLeavesTheClipboardAsItWas) {
    MakeRows(1, {});
    MenuCommand(1002);
    const std::wstring before = standin::ClipboardText();
    DeselectAll();
    SendMessageW(Dialog(), WM_COMMAND, 1001, 0);
    automation::Pump();
    EXPECT_EQ(standin::ClipboardText(), before);
    EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(ListEditing, AClipboardThatCannotBeOpenedIsReported) {
    MakeRows(1, {0});
    standin::SetClipboardOpenFails(true);
    MenuCommand(1001);
    standin::SetClipboardOpenFails(false);
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"クリップボードを開けませんでした。");
    EXPECT_EQ(boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(ListEditing, ACopyThatFailsAfterOpeningIsReported) {
    MakeRows(1, {0});
    standin::FailNext(standin::Fault::GlobalAlloc);
    MenuCommand(1001);
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"クリップボードへのコピーに失敗しました。");
    EXPECT_EQ(boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

} // namespace
} // namespace brio::ui::measure::test
