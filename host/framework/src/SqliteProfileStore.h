// The settings store on an SQLite file: one row per (section, key) with the value's exact variant
// type beside it, and one row per section for a window's rectangle.
#pragma once

#include <brio/core/ProfileStore.h>

#include <filesystem>
#include <memory>

struct sqlite3;

namespace brio::core {

class SqliteProfileStore final : public ProfileStore {
public:
    // Null when the file cannot be opened at all (its folder cannot be made, the path is a folder).
    static std::unique_ptr<SqliteProfileStore> open(const std::filesystem::path& path);
    ~SqliteProfileStore() override;

    bool isOpen() const override;
    bool readSection(const wchar_t* section, ProfileValues* values, int reserved) override;
    bool writeSection(const wchar_t* section, ProfileValues* values) override;
    bool deleteSection(const wchar_t* section) override;
    std::wstring location() const override;
    bool restoreWindow(HWND window, const wchar_t* section) override;
    bool saveWindow(HWND window, const wchar_t* section) override;

private:
    explicit SqliteProfileStore(std::filesystem::path path);

    // Opens the file and makes the tables; a file found corrupt is moved aside once and a fresh one
    // made in its place.
    bool openDatabase();
    bool openAndPrepare(int& failure);
    void closeDatabase();
    bool moveCorruptFileAside();
    // Logs a failed step at level 4 and returns false; corruption found in use is handled as at
    // opening, so the next call works on a fresh file and the damaged one is kept for inspection.
    bool fail(const wchar_t* operation, const wchar_t* section, int code);
    bool runInTransaction(const wchar_t* operation, const wchar_t* section, const ProfileValues& values);

    sqlite3* m_db = nullptr;
    std::filesystem::path m_path;
};

} // namespace brio::core
