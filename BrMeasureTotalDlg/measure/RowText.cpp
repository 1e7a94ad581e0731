#include "RowText.h"

#include "../component/MeasureTotalDlgIds.h"

namespace brio::ui::measure {
namespace {

// Through a buffer on the stack; no cell this dialog writes comes near its size, and a longer one
// is read whole all the same.
void AppendCell(CString& text, const CListCtrl& list, int row, int column) {
    wchar_t cell[256];
    cell[0] = L'\0';
    const int copied = list.GetItemText(row, column, cell, _countof(cell));
    if (copied < static_cast<int>(_countof(cell)) - 1)
        text += cell;
    else
        text += list.GetItemText(row, column);
}

} // namespace

void AppendRowLine(CString& text, const CListCtrl& list, int row, const CString& separator,
                   const CString& unit, const CString& lineEnd) {
    AppendCell(text, list, row, kColumnNumber);
    text += separator;
    AppendCell(text, list, row, kColumnScale);
    text += separator;
    AppendCell(text, list, row, kColumnElement);
    text += separator;
    AppendCell(text, list, row, kColumnSign);
    AppendCell(text, list, row, kColumnValue);
    text += separator;
    text += unit;
    text += lineEnd;
}

} // namespace brio::ui::measure
