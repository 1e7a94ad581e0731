// A map of temporary wrapper objects, one per handle, as MFC hands out for handles that no object of
// the program owns (CWnd::FromHandle, CDC::FromHandle ...).
//
// A wrapper stays valid while its handle is alive: the same pointer comes back for the same handle,
// so code may keep it for the life of the window (or DC) it wraps. Wrappers of dead handles are freed
// when the map notices: on the next look-up of that handle, or by a sweep whenever the map has doubled
// since the last one (so the cost per look-up stays constant). Handles carry a generation, so a dead
// handle never comes back as a live one. A wrapper never destroys its handle: the handle member is
// cleared before the wrapper is deleted.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>
#include <unordered_map>

namespace afx_internal {

template <class Handle, class Object, auto HandleMember> class TemporaryMap {
public:
    using IsAlive = bool (*)(Handle);
    explicit TemporaryMap(IsAlive isAlive) : m_isAlive(isAlive) {}
    ~TemporaryMap() {
        for (auto& entry : m_objects)
            Release(entry.second);
    }
    TemporaryMap(const TemporaryMap&) = delete;
    TemporaryMap& operator=(const TemporaryMap&) = delete;

    Object* Get(Handle handle) {
        auto found = m_objects.find(handle);
        if (found != m_objects.end()) {
            if (m_isAlive(handle))
                return found->second.get();
            Release(found->second);
            m_objects.erase(found);
        }
        if (m_objects.size() >= m_sweepAt)
            Sweep();
        auto object = std::make_unique<Object>();
        (*object).*HandleMember = reinterpret_cast<Stored>(handle);
        Object* result = object.get();
        m_objects.emplace(handle, std::move(object));
        return result;
    }

private:
    using Stored = std::remove_reference_t<decltype(std::declval<Object&>().*HandleMember)>;

    static void Release(std::unique_ptr<Object>& object) {
        (*object).*HandleMember = Stored{};
        object.reset();
    }
    void Sweep() {
        for (auto it = m_objects.begin(); it != m_objects.end();) {
            if (m_isAlive(it->first)) {
                ++it;
            } else {
                Release(it->second);
                it = m_objects.erase(it);
            }
        }
        m_sweepAt = m_objects.size() * 2 < kMinimumSweep ? kMinimumSweep : m_objects.size() * 2;
    }

    static constexpr size_t kMinimumSweep = 64;
    IsAlive m_isAlive;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_objects;
    size_t m_sweepAt = kMinimumSweep;
};

} // namespace afx_internal
