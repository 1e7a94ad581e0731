#include "listview_rows.h"

#include <algorithm>
#include <utility>

namespace controls {

void RowStore::MoveGapTo(size_t index) {
    const size_t gap = GapLength();
    if (gap == 0) {
        m_gapStart = m_gapEnd = index;
        return;
    }
    if (index < m_gapStart) {
        // Rows [index, gapStart) move to the far side of the gap, last one first.
        for (size_t slot = m_gapStart; slot > index; --slot) {
            m_slots[slot - 1 + gap] = std::move(m_slots[slot - 1]);
        }
    } else if (index > m_gapStart) {
        // Rows [gapEnd, gapEnd + distance) move to the near side of the gap, first one first.
        const size_t distance = index - m_gapStart;
        for (size_t step = 0; step < distance; ++step) {
            m_slots[m_gapStart + step] = std::move(m_slots[m_gapEnd + step]);
        }
    }
    m_gapStart = index;
    m_gapEnd = index + gap;
}

void RowStore::Regrow(size_t capacity) {
    const size_t rows = static_cast<size_t>(count());
    std::vector<ListRow> slots;
    slots.resize(std::max(capacity, rows));
    // Rows keep their order; the new gap sits where the old one was.
    for (size_t row = 0; row < m_gapStart; ++row) {
        slots[row] = std::move(m_slots[row]);
    }
    const size_t tail = rows - m_gapStart;
    for (size_t step = 0; step < tail; ++step) {
        slots[slots.size() - tail + step] = std::move(m_slots[m_gapEnd + step]);
    }
    m_slots = std::move(slots);
    m_gapEnd = m_slots.size() - tail;
}

void RowStore::insert(int index, ListRow row) {
    const size_t at = static_cast<size_t>(std::clamp(index, 0, count()));
    if (GapLength() == 0) {
        Regrow(std::max<size_t>(16, m_slots.size() * 2));
    }
    MoveGapTo(at);
    m_slots[m_gapStart] = std::move(row);
    ++m_gapStart;
}

void RowStore::erase(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    MoveGapTo(static_cast<size_t>(index));
    // The slot joins the gap empty, so that a deleted row's texts are freed at once.
    m_slots[m_gapEnd] = ListRow{};
    ++m_gapEnd;
}

void RowStore::clear() {
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_gapStart = m_gapEnd = 0;
}

void RowStore::reserve(int rows) {
    if (rows > count() && static_cast<size_t>(rows) > m_slots.size()) {
        Regrow(static_cast<size_t>(rows));
    }
}

} // namespace controls
