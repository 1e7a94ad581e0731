// The rows as the host reads them back: every cell of a line whole however long it is, in the
// summary and on the clipboard alike, and row numbers of any width after a deletion renumbers.
#include "DialogFixture.h"

#include <automation.h>
#include <standin/hooks.h>

#include <string>

namespace brio::ui::measure::test {
namespace {

class RowText : public DialogTest {
protected:
    void Options(int drawList, int drawTotal) {
        StoreSetting(L"marume1", _variant_t(1));
        StoreSetting(L"drawList", _variant_t(drawList));
        StoreSetting(L"drawTotal", _variant_t(drawTotal));
    }
    void CopyAll() {
        automation::PickNextMenuCommand(ID_LIST_COPY_ALL);
        automation::RightClickList(Control(IDC_LIST_LENGTH), -1);
    }
};

// A host may name an element at any length; a cell is never cut where a line is made of it.
TEST_F(RowText, ALongCellIsCopiedWholeIntoTheSummaryAndTheClipboard) {
    Options(1, 0);
    const std::wstring element = std::wstring(300, L'線') + L"終";
    ASSERT_TRUE(Measure(Measurement(12, FALSE, 0, L"1/100", element.c_str())));
    ASSERT_TRUE(Measure(4, TRUE));
    EXPECT_EQ(std::wstring(m_pDlg->GetString()), L"1 1/100 " + element + L"  12 mm\\n2 1/100 線分 -4 mm\\n");
    CopyAll();
    EXPECT_EQ(standin::ClipboardText(), L"1\t1/100\t" + element + L"\t 12\tmm\r\n2\t1/100\t線分\t-4\tmm\r\n");
}

TEST_F(RowText, DeletingRenumbersTheRowsLeftAcrossAWidthOfDigits) {
    for (int row = 0; row < 12; ++row)
        ASSERT_TRUE(Measure(row + 1));
    automation::PickListRow(Control(IDC_LIST_LENGTH), 0, automation::kNone);
    automation::Click(Control(IDC_BUTTON_DELETE));
    ASSERT_EQ(Rows(), 11);
    EXPECT_EQ(Cell(8, kColumnNumber), L"9");
    EXPECT_EQ(Cell(9, kColumnNumber), L"10");
    EXPECT_EQ(Cell(10, kColumnNumber), L"11");
    EXPECT_EQ(Cell(10, kColumnRawValue), L"12.000000") << "the rows themselves stayed in order";
}

} // namespace
} // namespace brio::ui::measure::test
