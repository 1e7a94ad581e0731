// The host's settings file.
// What it does NOT do: no sharing of one connection between threads, no migration of other table
// layouts, no vacuuming, no removal of keys that a writeSection leaves out (a section is merged;
// deleteSection empties it).
//
// Durability: SQLite's rollback journal with synchronous=FULL. A host killed in the middle of a
// writeSection leaves a hot journal that the next opening rolls back, so a section is read either as
// it was before that call or as it was after, never a mix.
#include "SqliteProfileStore.h"

#include "HostPaths.h"
#include "SqliteStatement.h"
#include "StoredValue.h"
#include "Utf8.h"
#include "WindowGeometry.h"

#include <brio/server/BrLogServer.h>

#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <system_error>

namespace brio::core {
namespace {

// Another process holding the file gets this long before the call gives up with a logged error;
// the user-interface thread must not hang on a busy file.
constexpr int kBusyTimeoutMs = 100;
constexpr int kErrorLevel = 4;

constexpr const char* kSchema = "PRAGMA synchronous=FULL;"
                                "CREATE TABLE IF NOT EXISTS setting("
                                " section TEXT NOT NULL, key TEXT NOT NULL, vt INTEGER NOT NULL, value,"
                                " PRIMARY KEY(section, key)) WITHOUT ROWID;"
                                "CREATE TABLE IF NOT EXISTS window_rect("
                                " section TEXT NOT NULL PRIMARY KEY, left_edge INTEGER NOT NULL,"
                                " top_edge INTEGER NOT NULL, right_edge INTEGER NOT NULL,"
                                " bottom_edge INTEGER NOT NULL);";

void logError(const std::wstring& text) {
    server::BrLogServer::getInstance().writeLog(kErrorLevel, text.c_str());
}

std::wstring describe(int code) {
    return detail::fromUtf8(sqlite3_errstr(code));
}

bool isCorruption(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// A file another process holds, or one we may only read, is still worth keeping open.
bool isTransientOrReadOnly(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_READONLY;
}

std::string timestampSuffix() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof(text), "%Y%m%d-%H%M%S", &local);
    return text;
}

// SQLITE_OK when the checker finds the file sound, SQLITE_CORRUPT when it names damage, else the error.
int checkIntegrity(sqlite3* db) {
    detail::SqliteStatement check(db, "PRAGMA quick_check");
    if (check.status() != SQLITE_OK)
        return check.status();
    const int step = check.step();
    if (step != SQLITE_ROW)
        return step;
    const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
    return verdict != nullptr && std::string_view(verdict) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
}

} // namespace

std::unique_ptr<ProfileStore> ProfileStore::openFile(const std::wstring& path) {
    return SqliteProfileStore::open(detail::toUtf8(path));
}

ProfileStore::~ProfileStore() = default;

std::unique_ptr<SqliteProfileStore> SqliteProfileStore::open(const std::filesystem::path& path) {
    std::unique_ptr<SqliteProfileStore> store(new SqliteProfileStore(path));
    if (!store->openDatabase())
        return nullptr;
    return store;
}

SqliteProfileStore::SqliteProfileStore(std::filesystem::path path) : m_path(std::move(path)) {}

SqliteProfileStore::~SqliteProfileStore() {
    closeDatabase();
}

bool SqliteProfileStore::openDatabase() {
    std::error_code error;
    if (m_path.has_parent_path())
        std::filesystem::create_directories(m_path.parent_path(), error);
    int failure = SQLITE_OK;
    if (openAndPrepare(failure))
        return true;
    if (!isCorruption(failure)) {
        logError(L"ProfileStore: cannot open settings file " + location() + L": " + describe(failure));
        return m_db != nullptr;
    }
    logError(L"ProfileStore: settings file " + location() + L" is corrupt (" + describe(failure) +
             L"); it is moved aside and the host goes on with no settings");
    if (!moveCorruptFileAside())
        return false;
    if (openAndPrepare(failure))
        return true;
    logError(L"ProfileStore: cannot make a new settings file " + location() + L": " + describe(failure));
    return m_db != nullptr;
}

// True when the file is open with its tables. A busy or read-only file stays open (reads may work,
// writes report their own errors); any other failure closes it.
bool SqliteProfileStore::openAndPrepare(int& failure) {
    closeDatabase();
    // SQLite takes file names in UTF-8 on every platform.
    const std::u8string name = m_path.u8string();
    failure = sqlite3_open_v2(reinterpret_cast<const char*>(name.c_str()), &m_db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (failure != SQLITE_OK) {
        closeDatabase();
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    failure = checkIntegrity(m_db);
    if (failure == SQLITE_OK)
        failure = sqlite3_exec(m_db, kSchema, nullptr, nullptr, nullptr);
    if (failure == SQLITE_OK)
        return true;
    if (!isTransientOrReadOnly(failure))
        closeDatabase();
    return false;
}

void SqliteProfileStore::closeDatabase() {
    if (m_db != nullptr)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

// The damaged file and its journal keep their contents under a new name; nothing is overwritten.
bool SqliteProfileStore::moveCorruptFileAside() {
    closeDatabase();
    std::filesystem::path aside = m_path;
    aside += ".corrupt-" + timestampSuffix();
    for (int n = 2; std::filesystem::exists(aside); ++n) {
        aside = m_path;
        aside += ".corrupt-" + timestampSuffix() + "-" + std::to_string(n);
    }
    std::error_code error;
    std::filesystem::rename(m_path, aside, error);
    if (error) {
        logError(L"ProfileStore: cannot move " + location() + L" aside: " +
                 detail::fromUtf8(error.message()) + L"; settings are not kept");
        return false;
    }
    for (const char* companion : {"-journal", "-wal", "-shm"}) {
        std::filesystem::path from = m_path, to = aside;
        from += companion;
        to += companion;
        if (std::filesystem::exists(from, error))
            std::filesystem::rename(from, to, error);
    }
    logError(L"ProfileStore: the corrupt settings file is kept as " + detail::fromUtf8(aside.string()));
    return true;
}

bool SqliteProfileStore::fail(const wchar_t* operation, const wchar_t* section, int code) {
    logError(std::wstring(L"ProfileStore: ") + operation + L" [" + (section != nullptr ? section : L"") +
             L"] failed in " + location() + L": " + describe(code));
    if (isCorruption(code)) {
        logError(L"ProfileStore: settings file " + location() + L" is corrupt; it is moved aside");
        if (moveCorruptFileAside()) {
            int failure = SQLITE_OK;
            openAndPrepare(failure);
        }
    }
    return false;
}

bool SqliteProfileStore::isOpen() const {
    return m_db != nullptr;
}

std::wstring SqliteProfileStore::location() const {
    return detail::fromUtf8(m_path.string());
}

bool SqliteProfileStore::readSection(const wchar_t* section, ProfileValues* values, int /*reserved*/) {
    if (section == nullptr || values == nullptr || m_db == nullptr)
        return false;
    detail::SqliteStatement select(m_db, "SELECT key, vt, value FROM setting WHERE section = ?1");
    if (select.status() != SQLITE_OK)
        return fail(L"readSection", section, select.status());
    select.bindText(1, detail::toUtf8(section));
    // Gathered aside so that a read failing half-way hands the caller nothing rather than a part.
    ProfileValues read;
    int step = SQLITE_ROW;
    while ((step = select.step()) == SQLITE_ROW) {
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 0));
        const std::wstring name = detail::fromUtf8(key != nullptr ? key : "");
        _variant_t value;
        if (detail::readStoredValue(select.get(), 1, 2, value))
            read[name] = std::move(value);
        else
            logError(L"ProfileStore: value [" + std::wstring(section) + L"] " + name +
                     L" has no readable type; skipped");
    }
    if (step != SQLITE_DONE)
        return fail(L"readSection", section, step);
    for (auto& [name, value] : read)
        (*values)[name] = std::move(value);
    return true;
}

bool SqliteProfileStore::writeSection(const wchar_t* section, ProfileValues* values) {
    if (section == nullptr || values == nullptr)
        return false;
    if (m_db == nullptr) {
        logError(L"ProfileStore: writeSection [" + std::wstring(section) + L"] not stored: no settings file");
        return false;
    }
    return runInTransaction(L"writeSection", section, *values);
}

bool SqliteProfileStore::runInTransaction(const wchar_t* operation, const wchar_t* section,
                                          const ProfileValues& values) {
    // IMMEDIATE takes the write lock up front: a busy file fails here, before anything is written.
    int code = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return fail(operation, section, code);
    const auto rollback = [&](int failure) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return fail(operation, section, failure);
    };
    detail::SqliteStatement insert(
        m_db, "INSERT OR REPLACE INTO setting(section, key, vt, value) VALUES(?1, ?2, ?3, ?4)");
    if (insert.status() != SQLITE_OK)
        return rollback(insert.status());
    const std::string sectionText = detail::toUtf8(section);
    for (const auto& [name, value] : values) {
        insert.bindText(1, sectionText);
        insert.bindText(2, detail::toUtf8(name));
        if (!detail::bindStoredValue(insert, 3, 4, value)) {
            // One value the file cannot keep does not cost the others theirs.
            logError(L"ProfileStore: value [" + std::wstring(section) + L"] " + name + L" of variant type " +
                     std::to_wstring(value.vt) + L" cannot be stored; skipped");
            insert.reset();
            continue;
        }
        code = insert.step();
        insert.reset();
        if (code != SQLITE_DONE)
            return rollback(code);
    }
    code = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return rollback(code);
    return true;
}

bool SqliteProfileStore::deleteSection(const wchar_t* section) {
    if (section == nullptr || m_db == nullptr)
        return false;
    int code = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        return fail(L"deleteSection", section, code);
    const std::string sectionText = detail::toUtf8(section);
    for (const char* sql :
         {"DELETE FROM setting WHERE section = ?1", "DELETE FROM window_rect WHERE section = ?1"}) {
        detail::SqliteStatement remove(m_db, sql);
        code =
            remove.status() == SQLITE_OK ? (remove.bindText(1, sectionText), remove.step()) : remove.status();
        if (code != SQLITE_DONE) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return fail(L"deleteSection", section, code);
        }
    }
    code = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return fail(L"deleteSection", section, code);
    }
    return true;
}

bool SqliteProfileStore::saveWindow(HWND window, const wchar_t* section) {
    if (section == nullptr || m_db == nullptr)
        return false;
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect)) {
        logError(L"ProfileStore: saveWindow [" + std::wstring(section) + L"]: not a window; nothing kept");
        return false;
    }
    detail::SqliteStatement upsert(m_db, "INSERT OR REPLACE INTO window_rect VALUES(?1, ?2, ?3, ?4, ?5)");
    if (upsert.status() != SQLITE_OK)
        return fail(L"saveWindow", section, upsert.status());
    upsert.bindText(1, detail::toUtf8(section));
    upsert.bindInt(2, rect.left);
    upsert.bindInt(3, rect.top);
    upsert.bindInt(4, rect.right);
    upsert.bindInt(5, rect.bottom);
    const int code = upsert.step();
    return code == SQLITE_DONE ? true : fail(L"saveWindow", section, code);
}

bool SqliteProfileStore::restoreWindow(HWND window, const wchar_t* section) {
    if (section == nullptr || m_db == nullptr || !IsWindow(window))
        return false;
    detail::SqliteStatement select(
        m_db, "SELECT left_edge, top_edge, right_edge, bottom_edge FROM window_rect WHERE section = ?1");
    if (select.status() != SQLITE_OK)
        return fail(L"restoreWindow", section, select.status());
    select.bindText(1, detail::toUtf8(section));
    const int code = select.step();
    if (code == SQLITE_DONE)
        return false; // never saved: the window keeps the place it was given
    if (code != SQLITE_ROW)
        return fail(L"restoreWindow", section, code);
    const RECT saved{sqlite3_column_int(select.get(), 0), sqlite3_column_int(select.get(), 1),
                     sqlite3_column_int(select.get(), 2), sqlite3_column_int(select.get(), 3)};
    RECT current{};
    GetWindowRect(window, &current);
    const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT placed = detail::placeRestoredWindow(saved, current, screen);
    POINT corner{placed.left, placed.top};
    // A child window is placed in its parent's client coordinates.
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0 && GetParent(window) != nullptr)
        MapWindowPoints(nullptr, GetParent(window), &corner, 1);
    return SetWindowPos(window, nullptr, corner.x, corner.y, placed.right - placed.left,
                        placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

} // namespace brio::core
