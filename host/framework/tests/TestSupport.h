// What the framework tests share: a sink that records accepted log entries, a temporary folder per
// test, and a log server put back to its configured state after each test.
#pragma once

#include <brio/server/BrLogServer.h>
#include <standin/LogServerFaults.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace brio::test {

struct LogEntry {
    int level = 0;
    wchar_t mark = L'-';
    std::wstring text;
    bool operator==(const LogEntry&) const = default;
};

inline void PrintTo(const LogEntry& e, std::ostream* os) {
    *os << e.level << ' ' << static_cast<char>(e.mark) << " \"";
    for (const wchar_t c : e.text)
        *os << (c < 0x80 ? static_cast<char>(c) : '?');
    *os << '"';
}

class RecordingSink : public server::LogSink {
public:
    void entry(int level, wchar_t mark, const std::wstring& text) override {
        m_entries.push_back({level, mark, text});
    }
    const std::vector<LogEntry>& entries() const { return m_entries; }
    // Entries at `level` or above whose text contains `fragment`.
    int count(int level, const std::wstring& fragment) const {
        int found = 0;
        for (const LogEntry& e : m_entries)
            found += e.level >= level && e.text.find(fragment) != std::wstring::npos ? 1 : 0;
        return found;
    }

private:
    std::vector<LogEntry> m_entries;
};

// The process environment, set and unset the same way on both platforms.
inline void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}
inline void SetEnvironment(const char* name, const std::filesystem::path& value) {
    SetEnvironment(name, reinterpret_cast<const char*>(value.u8string().c_str()));
}
inline void UnsetEnvironment(const char* name) {
#ifdef _WIN32
    _putenv_s(name, ""); // an empty value removes the variable
#else
    unsetenv(name);
#endif
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    // A name no other folder has: create_directory fails on one that exists, and a few tries with
    // random names find a free one.
    TempFolder() {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const auto candidate =
                std::filesystem::temp_directory_path() / ("brio-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) {
                m_path = candidate;
                return;
            }
        }
        throw std::runtime_error("no temporary folder could be made");
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Attaches a recording sink to the process's log server for one test and leaves the server as the
// environment configured it afterwards.
class LoggedTest : public testing::Test {
protected:
    void SetUp() override { server().attachSink(&m_sink); }
    void TearDown() override {
        server().attachSink(nullptr);
        standin::log_server::SetRefuseEntries(false);
        standin::log_server::SetThrowOnWrite(false);
        server().reopen();
    }
    static server::BrLogServer& server() { return server::BrLogServer::getInstance(); }

    RecordingSink m_sink;
};

} // namespace brio::test
