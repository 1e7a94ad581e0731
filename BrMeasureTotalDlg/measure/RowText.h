// A row of the list as one line of text, for the summary the host draws and for the clipboard: the
// number, scale and element cells each followed by the separator, the sign cell written against the
// value cell, then the separator, the unit and the line's end. The cells are read as the list shows
// them, straight into the line: a copy of 10,000 rows makes no string per cell.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

namespace brio::ui::measure {

// The separator and the line's end come as CStrings that the caller makes once for all its rows.
void AppendRowLine(CString& text, const CListCtrl& list, int row, const CString& separator,
                   const CString& unit, const CString& lineEnd);

} // namespace brio::ui::measure
