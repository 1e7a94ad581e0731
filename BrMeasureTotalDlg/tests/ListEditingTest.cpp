// The user working on the list: deleting, selecting and signing rows, the context menu that
// reaches every list command, and the rows copied to the clipboard.
#include "DialogFixture.h"

#include <automation.h>
#include <standin/hooks.h>

#include <commctrl.h>

namespace brio::ui::measure::test {
namespace {

using Texts = std::vector<std::wstring>;
using RowList = std::vector<int>;

class ListEditing : public DialogTest {
protected:
    // Rows valued 10, 20, 30 ..., then the given rows picked by the user (click, then Ctrl+click).
    void MakeRows(int count, RowList picked) {
        for (int row = 0; row < count; ++row)
            ASSERT_TRUE(Measure(10.0 * (row + 1)));
        Pick(picked);
    }
    void Pick(const RowList& rows) {
        for (size_t i = 0; i < rows.size(); ++i)
            automation::PickListRow(Control(IDC_LIST_LENGTH), rows[i],
                                    i == 0 ? automation::kNone : automation::kCtrl);
    }
    // A right-click on a selected row keeps the selection; with none selected, on the empty area.
    void MenuCommand(UINT command) {
        const RowList selected = SelectedRows();
        command != 0 ? automation::PickNextMenuCommand(command) : automation::DismissNextMenu();
        automation::RightClickList(Control(IDC_LIST_LENGTH), selected.empty() ? -1 : selected.front());
    }
    int Recomputations() const {
        const std::string log = m_log.transcript();
        int count = 0;
        for (size_t at = log.find("> MeasureTotalDlg: SetData()"); at != std::string::npos;
             at = log.find("> MeasureTotalDlg: SetData()", at + 1))
            ++count;
        return count;
    }
};

struct DeleteCase {
    const char* name;
    int rows;
    RowList picked;
    Texts remaining;
    RowList selectedAfter;
    std::wstring total;
    friend void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.name; }
};

class DeleteSelected : public ListEditing, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSelected, RemovesTheRowsRenumbersAndSelectsTheNextOne) {
    const DeleteCase& c = GetParam();
    MakeRows(c.rows, c.picked);
    automation::Click(Control(IDC_BUTTON_DELETE));
    EXPECT_EQ(Column(kColumnRawValue), c.remaining);
    Texts numbers;
    for (size_t i = 1; i <= c.remaining.size(); ++i)
        numbers.push_back(std::to_wstring(i));
    EXPECT_EQ(Column(kColumnNumber), numbers);
    EXPECT_EQ(SelectedRows(), c.selectedAfter);
    EXPECT_EQ(FocusedRow(), c.selectedAfter.empty() ? -1 : c.selectedAfter.front());
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteSelected,
    ::testing::Values(
        DeleteCase{"RowsTwoAndFour", 5, {1, 3}, {L"10.000000", L"30.000000", L"50.000000"}, {1}, L"90"},
        DeleteCase{"TheLastTwo", 5, {3, 4}, {L"10.000000", L"20.000000", L"30.000000"}, {2}, L"60"},
        DeleteCase{"Everything", 3, {0, 1, 2}, {}, {}, L"0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListEditing, AnEmptyListShowsZeroInTheCurrentRoundingAndNoUnit) {
    StoreSetting(L"marume1", _variant_t(3));
    MakeRows(1, {0});
    automation::Click(Control(IDC_BUTTON_DELETE));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"0.00");
    EXPECT_FALSE(Visible(IDC_STATIC_UNIT));
    for (int radio : {IDC_UNIT_RADIO1, IDC_UNIT_RADIO2, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5})
        EXPECT_FALSE(Enabled(radio)) << radio;
}

TEST_F(ListEditing, TheDeleteKeyDeletesOnlyWhenRowsAreSelected) {
    MakeRows(3, {1});
    automation::PressKey(VK_DELETE);
    EXPECT_EQ(Column(kColumnRawValue), (Texts{L"10.000000", L"30.000000"}));
    EXPECT_EQ(SelectedRows(), RowList{1});
    for (UINT key : {VK_DELETE, VK_INSERT}) {
        if (key == VK_DELETE)
            DeselectAll();
        m_log.clear();
        automation::PressKey(key);
        EXPECT_EQ(Rows(), 2) << key;
        EXPECT_EQ(Recomputations(), 0) << key;
    }
}

TEST_F(ListEditing, DeleteAllAsksFirstAndOnlyYesEmptiesTheList) {
    MakeRows(1, {0});
    automation::Click(Control(IDC_BUTTON_DELETE));
    automation::Click(Control(IDC_BUTTON_DELETE_ALL));
    EXPECT_TRUE(standin::MessageBoxes().empty()) << "an empty list: nothing asked";
    MakeRows(2, {});
    automation::AnswerNextMessageBox(IDNO);
    automation::Click(Control(IDC_BUTTON_DELETE_ALL));
    EXPECT_EQ(Rows(), 2);
    automation::AnswerNextMessageBox(IDYES);
    automation::Click(Control(IDC_BUTTON_DELETE_ALL));
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"0");
    const auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, L"すべて削除します。よろしいですか？");
        // Yes and No, Yes the default, and no icon.
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO));
    }
}

TEST_F(ListEditing, MinusPlusAndSelectAllFromTheMenu) {
    MakeRows(3, {0, 2});
    MenuCommand(ID_LIST_MINUS); // －
    EXPECT_EQ(Column(kColumnSign), (Texts{L"-", L" ", L"-"}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"-20");
    EXPECT_EQ(SelectedRows(), (RowList{0, 2}));
    Pick({2});
    MenuCommand(ID_LIST_PLUS); // ＋
    EXPECT_EQ(Column(kColumnSign), (Texts{L"-", L" ", L""}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"40");
    Pick({1});
    MenuCommand(ID_LIST_PLUS); // on a row the host added: the total stays, the cell loses its space
    EXPECT_EQ(Column(kColumnSign), (Texts{L"-", L"", L""}));
    EXPECT_EQ(Text(IDC_EDIT_TOTAL), L"40");
    MenuCommand(ID_LIST_ALL); // すべて選択
    EXPECT_EQ(SelectedRows(), (RowList{0, 1, 2}));
    EXPECT_EQ(FocusedRow(), 1);
    MenuCommand(ID_LIST_DELETE); // 削除, as the button does
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(standin::CountLiveObjects().menus, 0) << "every menu was destroyed";
}

TEST_F(ListEditing, TheContextMenuOffersTenPositionsWithCopyGrayedWithoutSelection) {
    MakeRows(2, {});
    DeselectAll();
    standin::ClearMenus();
    MenuCommand(0);
    Pick({0});
    MenuCommand(0);
    SetWindowLongW(Control(IDC_LIST_LENGTH), GWL_STYLE,
                   GetWindowLongW(Control(IDC_LIST_LENGTH), GWL_STYLE) | LVS_SINGLESEL);
    MenuCommand(0);

    auto layout = [](const standin::MenuRecord& menu) {
        std::wstring text;
        for (const auto& entry : menu.entries)
            text += entry.separator ? L"----\n"
                                    : std::to_wstring(entry.command) + L" " + entry.text +
                                          (entry.grayed ? L" (grayed)\n" : L"\n");
        return Utf8(text);
    };
    auto item = [](UINT command, const char* text) { return std::to_string(command) + " " + text; };
    const std::string head = item(ID_LIST_PLUS, "＋\n") + item(ID_LIST_MINUS, "－\n") + "----\n";
    const std::string all = item(ID_LIST_ALL, "すべて選択\n");
    const std::string tail = "----\n" + item(ID_LIST_DELETE, "削除\n") +
                             item(ID_LIST_DELETE_ALL, "すべて削除\n") + "----\n" +
                             item(ID_LIST_COPY, "クリップボードにコピー");
    const std::string last = "\n" + item(ID_LIST_COPY_ALL, "クリップボードにすべてコピー\n");
    const auto menus = standin::Menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(layout(menus[0]), head + all + tail + " (grayed)" + last);
    EXPECT_EQ(layout(menus[1]), head + all + tail + last);
    EXPECT_EQ(layout(menus[2]), head + tail + last) << "a single-selection list: no すべて選択";
    for (const auto& menu : menus)
        EXPECT_EQ(std::make_pair(menu.flags, menu.chosen),
                  std::make_pair(static_cast<UINT>(TPM_RIGHTBUTTON), 0u));
    EXPECT_EQ(Rows(), 2) << "dismissing runs nothing";
    EXPECT_EQ(standin::CountLiveObjects().menus, 0);
}

TEST_F(ListEditing, CopyPutsThePickedRowsAsTabSeparatedLines) {
    ASSERT_TRUE(Measure(Measurement(12.5, FALSE, 0, L"1/100", L"線分")));
    ASSERT_TRUE(Measure(Measurement(4, TRUE, 0, L"1/200", L"円弧")));
    ASSERT_TRUE(Measure(Measurement(7, FALSE, 0, L"1/300", L"折れ線")));
    const std::wstring row1 = L"1\t1/100\t線分\t 13\tmm\r\n";
    const std::wstring row2 = L"2\t1/200\t円弧\t-4\tmm\r\n";
    const std::wstring row3 = L"3\t1/300\t折れ線\t 7\tmm\r\n";
    Pick({0, 2});
    MenuCommand(ID_LIST_COPY);
    EXPECT_EQ(standin::ClipboardText(), row1 + row3);
    MenuCommand(ID_LIST_COPY_ALL);
    EXPECT_EQ(standin::ClipboardText(), row1 + row2 + row3);
    Pick({2});
    MenuCommand(ID_LIST_PLUS);
    MenuCommand(ID_LIST_COPY);
    EXPECT_EQ(standin::ClipboardText(), L"3\t1/300\t折れ線\t7\tmm\r\n") << "after ＋ no leading space";
    automation::Click(Control(IDC_UNIT_RADIO2));
    MenuCommand(ID_LIST_COPY);
    EXPECT_EQ(standin::ClipboardText(), L"3\t1/300\t折れ線\t0\tm\r\n") << "values and unit as shown";

    // Nothing picked (the menu grays the entry; a command still arrives): the clipboard stays.
    DeselectAll();
    SendMessageW(Dialog(), WM_COMMAND, ID_LIST_COPY, 0);
    EXPECT_EQ(standin::ClipboardText(), L"3\t1/300\t折れ線\t0\tm\r\n");
    EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(ListEditing, AFailedCopyIsReportedWithAnOkBox) {
    const std::pair<std::function<void()>, const wchar_t*> failures[] = {
        {[] { standin::SetClipboardOpenFails(true); }, L"クリップボードを開けませんでした。"},
        {[] { standin::FailNext(standin::Fault::GlobalAlloc); },
         L"クリップボードへのコピーに失敗しました。"}};
    MakeRows(1, {0});
    for (const auto& [fail, text] : failures) {
        standin::ClearMessageBoxes();
        fail();
        MenuCommand(ID_LIST_COPY);
        standin::SetClipboardOpenFails(false);
        const auto boxes = standin::MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK));
    }
}

} // namespace
} // namespace brio::ui::measure::test
