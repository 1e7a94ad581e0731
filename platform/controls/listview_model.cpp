#include "listview_model.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

const std::wstring kNoText;

// Keeps a remembered row index pointing at the same row after a row was inserted at `row`.
void ShiftForInsert(int& remembered, int row) {
    if (remembered >= row) {
        ++remembered;
    }
}

// ... and after the row at `row` was deleted (a remembered deleted row is forgotten).
void ShiftForDelete(int& remembered, int row) {
    if (remembered == row) {
        remembered = -1;
    } else if (remembered > row) {
        --remembered;
    }
}

} // namespace

int ListModel::insertColumn(int index, ListColumn column) {
    const int at = std::clamp(index, 0, columnCount());
    m_columns.insert(m_columns.begin() + at, std::move(column));
    return at;
}

bool ListModel::deleteColumn(int index) {
    if (index < 0 || index >= columnCount()) {
        return false;
    }
    m_columns.erase(m_columns.begin() + index);
    return true;
}

int ListModel::totalColumnWidth() const {
    int total = 0;
    for (const ListColumn& column : m_columns) {
        total += std::max(0, column.width);
    }
    return total;
}

int ListModel::insertRow(int row, ListRow contents) {
    const int at = std::clamp(row, 0, rowCount());
    contents.state &= ~(LVIS_SELECTED | LVIS_FOCUSED);
    m_rows.insert(at, std::move(contents));
    ShiftForInsert(m_focusedRow, at);
    ShiftForInsert(m_selectionMark, at);
    return at;
}

bool ListModel::deleteRow(int row) {
    if (!hasRow(row)) {
        return false;
    }
    if (m_rows.at(row).state & LVIS_SELECTED) {
        --m_selectedCount;
    }
    m_rows.erase(row);
    ShiftForDelete(m_focusedRow, row);
    ShiftForDelete(m_selectionMark, row);
    return true;
}

void ListModel::deleteAllRows() {
    m_rows.clear();
    m_selectedCount = 0;
    m_focusedRow = -1;
    m_selectionMark = -1;
}

bool ListModel::hasSubItem(int subItem) const {
    if (subItem == 0) {
        return true;
    }
    for (const ListColumn& column : m_columns) {
        if (column.subItem == subItem) {
            return true;
        }
    }
    return false;
}

const std::wstring& ListModel::cellText(int row, int subItem) const {
    if (!hasRow(row) || subItem < 0) {
        return kNoText;
    }
    const auto& cells = m_rows.at(row).cells;
    return static_cast<size_t>(subItem) < cells.size() ? cells[static_cast<size_t>(subItem)] : kNoText;
}

// The text is copied into the cell's own string, whose room a rewrite of similar length reuses: a
// recomputation that rewrites every row's value allocates nothing.
bool ListModel::setCellText(int row, int subItem, std::wstring_view text) {
    if (!hasRow(row) || subItem < 0 || !hasSubItem(subItem)) {
        return false;
    }
    auto& cells = m_rows.at(row).cells;
    if (static_cast<size_t>(subItem) >= cells.size()) {
        cells.resize(static_cast<size_t>(subItem) + 1);
    }
    std::wstring& cell = cells[static_cast<size_t>(subItem)];
    const bool overlaps = text.data() >= cell.data() && text.data() < cell.data() + cell.size();
    if (overlaps) {
        cell.assign(text);
    } else {
        // The general assignment guards against a text inside the cell itself, which only a caller
        // passing the cell back could give; clearing and appending is the short way for the rest.
        cell.clear();
        cell.append(text);
    }
    return true;
}

UINT ListModel::rowState(int row, UINT mask) const {
    if (!hasRow(row)) {
        return 0;
    }
    UINT state = m_rows.at(row).state;
    if (row == m_focusedRow) {
        state |= LVIS_FOCUSED;
    }
    return state & mask;
}

void ListModel::writeRowState(int row, UINT state) {
    UINT& bits = m_rows.at(row).state;
    const bool was = (bits & LVIS_SELECTED) != 0;
    const bool selected = (state & LVIS_SELECTED) != 0;
    if (was != selected) {
        m_selectedCount += selected ? 1 : -1;
    }
    bits = state & ~LVIS_FOCUSED;
    if (state & LVIS_FOCUSED) {
        m_focusedRow = row;
    } else if (m_focusedRow == row) {
        m_focusedRow = -1;
    }
}

int ListModel::setSelectionMark(int row) {
    const int previous = m_selectionMark;
    m_selectionMark = hasRow(row) ? row : -1;
    return previous;
}

int ListModel::nextRow(int start, UINT flags) const {
    const int count = rowCount();
    if (flags & LVNI_ABOVE) {
        // In report view "above" is simply the previous row.
        for (int row = std::min(start, count) - 1; row >= 0; --row) {
            if ((!(flags & LVNI_SELECTED) || rowState(row, LVIS_SELECTED)) &&
                (!(flags & LVNI_FOCUSED) || row == m_focusedRow)) {
                return row;
            }
        }
        return -1;
    }
    if ((flags & LVNI_SELECTED) && m_selectedCount == 0) {
        return -1;
    }
    if (flags & LVNI_FOCUSED) {
        const bool matches =
            m_focusedRow > start && (!(flags & LVNI_SELECTED) || rowState(m_focusedRow, LVIS_SELECTED));
        return matches ? m_focusedRow : -1;
    }
    for (int row = std::max(start + 1, 0); row < count; ++row) {
        if (!(flags & LVNI_SELECTED) || (m_rows.at(row).state & LVIS_SELECTED)) {
            return row;
        }
    }
    return -1;
}

} // namespace controls
