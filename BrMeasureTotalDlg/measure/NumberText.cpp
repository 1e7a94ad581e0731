#include "NumberText.h"

#include <calcutil.h>

#include <charconv>

namespace brio::ui::measure {

LPCWSTR RowNumberText(int number, wchar_t (&text)[16]) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits - 1, number).ptr;
    wchar_t* out = text;
    for (const char* digit = digits; digit != end; ++digit)
        *out++ = static_cast<wchar_t>(*digit);
    *out = L'\0';
    return text;
}

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
