// What a list view knows apart from its window: columns, rows with their cells, states and item
// data, the focused row, the selection mark and the number of selected rows (kept as rows change,
// so that asking for it costs nothing). The rules of LVM_* live here, free of messages and pixels.
#pragma once

#include "listview_rows.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

namespace controls {

struct ListColumn {
    int format = LVCFMT_LEFT;
    int width = 0;
    std::wstring text;
    int subItem = 0;
};

class ListModel {
public:
    // ---- columns --------------------------------------------------------------------------------
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    const ListColumn& column(int index) const { return m_columns[static_cast<size_t>(index)]; }
    ListColumn& column(int index) { return m_columns[static_cast<size_t>(index)]; }
    // Inserts before `index` (past the end appends); returns the index it got.
    int insertColumn(int index, ListColumn column);
    bool deleteColumn(int index);
    int totalColumnWidth() const;

    // ---- rows -----------------------------------------------------------------------------------
    int rowCount() const { return m_rows.count(); }
    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }
    // Inserts before `row` (past the end appends) and returns the index it got. The row comes
    // neither selected nor focused: those are changes of state, which the list tells its parent of.
    int insertRow(int row, ListRow contents);
    bool deleteRow(int row);
    void deleteAllRows();
    void reserveRows(int rows) { m_rows.reserve(rows); }

    // A sub-item exists when a column shows it; sub-item 0 always exists.
    bool hasSubItem(int subItem) const;
    const std::wstring& cellText(int row, int subItem) const;
    bool setCellText(int row, int subItem, std::wstring_view text);
    LPARAM param(int row) const { return m_rows.at(row).param; }
    void setParam(int row, LPARAM param) { m_rows.at(row).param = param; }

    // ---- states ---------------------------------------------------------------------------------
    UINT rowState(int row, UINT mask) const;
    // Gives the row exactly `state`. LVIS_FOCUSED there takes the focus from any other row (only
    // one row holds it); the rules that tie rows together (single selection, the focus leaving
    // a row) are the list's, which tells the parent of each row it changes.
    void writeRowState(int row, UINT state);
    int selectedCount() const { return m_selectedCount; }
    int focusedRow() const { return m_focusedRow; }
    int selectionMark() const { return m_selectionMark; }
    int setSelectionMark(int row);
    // LVM_GETNEXTITEM: the first row after `start` (-1: from the first row) matching `flags`.
    int nextRow(int start, UINT flags) const;

private:
    std::vector<ListColumn> m_columns;
    RowStore m_rows;
    int m_selectedCount = 0;
    int m_focusedRow = -1;
    int m_selectionMark = -1;
};

} // namespace controls
