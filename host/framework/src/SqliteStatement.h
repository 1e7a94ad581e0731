// A prepared SQLite statement that finalizes itself, so that no early return leaks one.
#pragma once

#include <sqlite3.h>

#include <string_view>

namespace brio::detail {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql) {
        m_status = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr);
    }
    ~SqliteStatement() { sqlite3_finalize(m_statement); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // SQLITE_OK when the statement was prepared.
    int status() const { return m_status; }
    sqlite3_stmt* get() const { return m_statement; }

    // Text is copied by SQLite, so the caller's buffer may go away before step().
    int bindText(int index, std::string_view text) {
        return sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT);
    }
    int bindInt(int index, sqlite3_int64 value) { return sqlite3_bind_int64(m_statement, index, value); }
    int bindDouble(int index, double value) { return sqlite3_bind_double(m_statement, index, value); }
    int step() { return sqlite3_step(m_statement); }
    void reset() {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_status = SQLITE_OK;
};

} // namespace brio::detail
