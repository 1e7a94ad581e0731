// The rows of a list view, kept in a gap buffer: reading or writing any cell is O(1), appending is
// amortised O(1), and a run of deletions walking from the last row upwards (how the list's users
// delete the selected rows) costs O(n) in all, because the gap follows the walk instead of every
// deletion moving the whole tail. Inserting or deleting far from the previous place moves the rows
// between the two places once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace controls {

struct ListRow {
    std::vector<std::wstring> cells; // by sub-item; a cell never written reads as ""
    UINT state = 0;                  // LVIS_* bits; the focus is kept by the list, not here
    LPARAM param = 0;
};

class RowStore {
public:
    int count() const { return static_cast<int>(m_slots.size() - GapLength()); }
    ListRow& at(int row) { return m_slots[Slot(row)]; }
    const ListRow& at(int row) const { return m_slots[Slot(row)]; }

    // Places `row` before the row now at `index` (0 <= index <= count()).
    void insert(int index, ListRow row);
    void erase(int index);
    void clear();
    // Makes room for `rows` rows in all without further reallocation (LVM_SETITEMCOUNT).
    void reserve(int rows);

private:
    size_t GapLength() const { return m_gapEnd - m_gapStart; }
    size_t Slot(int row) const {
        const size_t index = static_cast<size_t>(row);
        return index < m_gapStart ? index : index + GapLength();
    }
    void MoveGapTo(size_t index);
    void Regrow(size_t capacity);

    std::vector<ListRow> m_slots;
    size_t m_gapStart = 0; // slots [m_gapStart, m_gapEnd) hold no row
    size_t m_gapEnd = 0;
};

} // namespace controls
