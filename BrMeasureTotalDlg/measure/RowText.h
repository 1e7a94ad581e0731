// A row of the list as one line of text, for the summary the host draws and for the clipboard: the
// number, scale and element cells each followed by the separator, the sign cell written against the
// value cell, then the separator, the unit and the line's end. The cells are read as the list shows
// them, straight into the line: a copy of 10,000 rows makes no string per cell.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

namespace brio::ui::measure {

void AppendRowLine(CString& text, const CListCtrl& list, int row, LPCWSTR separator, const CString& unit,
                   LPCWSTR lineEnd);

} // namespace brio::ui::measure
