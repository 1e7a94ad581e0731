// The host's settings store as the reliability tests need it: the real SQLite store underneath,
// and a switch that makes it fail the way a broken store fails.
//
// What it does NOT do: no failure inside SQLite itself (a corrupt or locked file is the framework's
// own tests' business); the window placement calls pass through untouched unless the store throws.
#pragma once

#include <brio/core/ProfileStore.h>

#include <memory>
#include <string>

namespace measure_test {

enum class StoreMode {
    Working,  // every call reaches the file
    Throwing, // every call throws std::runtime_error
    Refusing, // reads find nothing, writes keep nothing, and both answer false
    Garbage,  // reads hand back one value of a type that is no integer (see garbageKind)
};

// What a garbled read puts in place of one stored value.
enum class Garbage { Text, NumberText, Real, HugeReal, Boolean, Empty, Null, HugeInteger, Count };
const wchar_t* GarbageName(Garbage kind);

class FaultyStore : public brio::core::ProfileStore {
public:
    explicit FaultyStore(const std::wstring& path);
    ~FaultyStore() override;

    StoreMode m_mode = StoreMode::Working;
    Garbage m_garbageKind = Garbage::Text;
    int m_garbageKey = 0; // which of the stored keys, counted in key order, is garbled
    int m_failures = 0;   // calls that threw or answered false because of the mode

    bool isOpen() const override;
    bool readSection(const wchar_t* section, brio::core::ProfileValues* values, int reserved) override;
    bool writeSection(const wchar_t* section, brio::core::ProfileValues* values) override;
    bool deleteSection(const wchar_t* section) override;
    std::wstring location() const override;
    bool restoreWindow(HWND window, const wchar_t* section) override;
    bool saveWindow(HWND window, const wchar_t* section) override;

    // The section as the file holds it, whatever the mode.
    brio::core::ProfileValues stored(const wchar_t* section) const;

private:
    void throwIfBroken();
    std::unique_ptr<brio::core::ProfileStore> m_pReal;
};

} // namespace measure_test
