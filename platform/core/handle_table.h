// Tables that turn handle values into objects. A handle value carries its kind, a slot index and the
// slot's generation, so a handle that outlived its object, or one of another kind, finds nothing:
// the value is looked up, never dereferenced.
//
// Does NOT: lock (one UI thread uses the window manager), shrink, or hand out more than 65534 live
// handles of one kind (Insert then fails, as Windows does when its handle quota is used up).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace standin {

// The kind sits in bits 28..31, the generation in bits 16..27, the slot index + 1 in bits 0..15.
// Values stay within 32 bits as Windows handles do, so code that logs or stores them as DWORDs works.
enum class HandleKind : uint32_t {
    Window = 1,
    Font = 2,
    Brush = 3,
    Pen = 4,
    Dc = 5,
    Menu = 6,
    Icon = 7,
    Global = 8,
    Resource = 9,
    Hook = 10,
};

inline HandleKind KindOfHandle(const void* handle) {
    auto value = reinterpret_cast<uintptr_t>(handle);
    return static_cast<HandleKind>(value >> 28 & 0xF);
}

template <typename T, HandleKind Kind> class HandleTable {
public:
    // Returns the new handle value, 0 when the table is full.
    uintptr_t Insert(std::unique_ptr<T> object) {
        uint32_t index = 0;
        // Freed slots are reused oldest first, so a slot's generation turns over as slowly as possible.
        if (!m_free.empty()) {
            index = m_free.front();
            m_free.pop_front();
        } else if (m_slots.size() < kMaxSlots) {
            index = static_cast<uint32_t>(m_slots.size());
            m_slots.emplace_back();
        } else {
            return 0;
        }
        Slot& slot = m_slots[index];
        slot.object = std::move(object);
        slot.handle = Encode(index, slot.generation);
        ++m_count;
        return slot.handle;
    }

    T* Find(uintptr_t value) const { return view().Find(value); }
    template <typename H> T* Find(H handle) const { return Find(reinterpret_cast<uintptr_t>(handle)); }

    // Takes the object out; the handle value is dead from now on.
    std::unique_ptr<T> Erase(uintptr_t value) {
        Slot* slot = const_cast<Slot*>(SlotOf(value));
        if (!slot)
            return nullptr;
        std::unique_ptr<T> object = std::move(slot->object);
        slot->handle = 0;
        slot->generation = slot->generation >= kMaxGeneration ? 1 : slot->generation + 1;
        m_free.push_back(static_cast<uint32_t>(slot - m_slots.data()));
        --m_count;
        return object;
    }
    template <typename H> std::unique_ptr<T> Erase(H handle) {
        return Erase(reinterpret_cast<uintptr_t>(handle));
    }

    int Count() const { return m_count; }

    // Handle values of every live object, in slot order (a copy: callers may erase while walking).
    std::vector<uintptr_t> Handles() const {
        std::vector<uintptr_t> result;
        for (uint32_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i].handle != 0)
                result.push_back(m_slots[i].handle);
        return result;
    }

    class View;
    // What a look-up needs, to be kept where it is one load away; valid until the next Insert.
    View view() const;

private:
    static constexpr uint32_t kMaxSlots = 0xFFFE;
    static constexpr uint32_t kMaxGeneration = 0xFFF;

    struct Slot {
        std::unique_ptr<T> object;
        uint32_t generation = 1;
        uint32_t handle = 0; // the live object's handle value, 0 while the slot is free
    };

    static uint32_t Encode(uint32_t index, uint32_t generation) {
        return static_cast<uint32_t>(Kind) << 28 | generation << 16 | (index + 1);
    }

    // Every window function starts here, so the test is as short as it can be: the bits above 28
    // settle the kind and that the value fits 32 bits; slot "index + 1 == 0" wraps to an index no
    // table has; and the slot's own handle value settles that it is live and of this generation.
    static const Slot* SlotIn(const Slot* slots, uint32_t count, uintptr_t value) {
        if (value >> 28 != static_cast<uintptr_t>(Kind))
            return nullptr;
        const uint32_t index = static_cast<uint32_t>(value & 0xFFFF) - 1;
        if (index >= count)
            return nullptr;
        const Slot& slot = slots[index];
        return slot.handle == value ? &slot : nullptr;
    }
    const Slot* SlotOf(uintptr_t value) const {
        return SlotIn(m_slots.data(), static_cast<uint32_t>(m_slots.size()), value);
    }

    std::vector<Slot> m_slots;
    std::deque<uint32_t> m_free;
    int m_count = 0;
};

// The slots of a table as they are between two insertions: looking a handle up through a view
// skips the load of the table itself. An empty view finds nothing.
template <typename T, HandleKind Kind> class HandleTable<T, Kind>::View {
public:
    constexpr View() = default;
    T* Find(uintptr_t value) const {
        const Slot* slot = SlotIn(m_slots, m_count, value);
        return slot ? slot->object.get() : nullptr;
    }
    template <typename H> T* Find(H handle) const { return Find(reinterpret_cast<uintptr_t>(handle)); }

private:
    friend class HandleTable;
    constexpr View(const Slot* slots, uint32_t count) : m_slots(slots), m_count(count) {}
    const Slot* m_slots = nullptr;
    uint32_t m_count = 0;
};

template <typename T, HandleKind Kind> auto HandleTable<T, Kind>::view() const -> View {
    return View(m_slots.data(), static_cast<uint32_t>(m_slots.size()));
}

} // namespace standin
