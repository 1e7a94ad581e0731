#include "NumberText.h"

#include <calcutil.h>

namespace brio::ui::measure {

CString RawValueText(double value) {
    return CString(calcutil::Double2RawString(value).c_str());
}

double ReadCellNumber(const CListCtrl& list, int row, int column) {
    wchar_t text[512];
    const int copied = list.GetItemText(row, column, text, _countof(text));
    if (copied < static_cast<int>(_countof(text)) - 1)
        return calcutil::String2Double(text);
    return calcutil::String2Double(list.GetItemText(row, column));
}

bool CellIsMinus(const CListCtrl& list, int row, int column) {
    // Room for two characters tells "-" from any longer text that starts with it.
    wchar_t text[3];
    return list.GetItemText(row, column, text, _countof(text)) == 1 && text[0] == L'-';
}

} // namespace brio::ui::measure
