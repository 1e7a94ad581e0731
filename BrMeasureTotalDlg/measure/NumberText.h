// Number texts of the rows. A row keeps its raw value as "%f" text and every recomputation reads
// the cells back. Both go through calcutil's C-locale text, so "12.500000" and its reading stay the
// same whatever locale the host process runs in, on either platform.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

namespace brio::ui::measure {

// The number cell's text for row number `number` (1, 2, ...), written into `text` as "%d" would
// write it. Deleting rows renumbers every row left, so this takes neither a format nor the heap.
LPCWSTR RowNumberText(int number, wchar_t (&text)[16]);
// `value` written with "%f": six decimals and a "." point.
CString RawValueText(double value);
// The number cell (row, column) of `list` shows, read back in the C locale. Every recomputation reads
// two cells of every row, so the text goes into a buffer on the stack; no cell this dialog writes
// comes near its size, and a longer one is read whole all the same.
double ReadCellNumber(const CListCtrl& list, int row, int column);
// Whether cell (row, column) reads exactly "-", the sign of a subtracted row; read the same way.
bool CellIsMinus(const CListCtrl& list, int row, int column);

} // namespace brio::ui::measure
