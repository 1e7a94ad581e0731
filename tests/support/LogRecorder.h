// The host's log as the tests read it: every entry the log server accepted, in order, with the
// questions the tests ask of it (was a trace entered or left, which lines came from an operation)
// and transcripts that show a mismatch as a readable diff.
//
// What it does NOT do: no file, no filtering by level (the server's threshold decides what comes).
#pragma once

#include <brio/server/BrLogServer.h>

#include <functional>
#include <string>
#include <vector>

namespace measure_test {

struct LogEntry {
    int level = 0;
    wchar_t mark = L'-'; // '>' a trace's entry, '<' its exit, '-' a plain line
    std::wstring text;
};

// One line per entry, "3 > text".
std::string Transcript(const std::vector<LogEntry>& entries);

class LogRecorder : public brio::server::LogSink {
public:
    void entry(int level, wchar_t mark, const std::wstring& text) override;
    void clear();

    const std::vector<LogEntry>& entries() const { return m_entries; }
    std::string transcript() const;
    // The entries whose text starts with `prefix`, as a transcript ("3 > text").
    std::string transcriptOf(const std::wstring& prefix) const;
    // The same entries without their level, one per line ("> text").
    std::string linesOf(const std::wstring& prefix) const;

    int traceEntries() const { return m_nEntries; }
    int traceExits() const { return m_nExits; }
    bool entered(const std::wstring& prefix) const;
    bool exited(const std::wstring& prefix) const;

    // Called before an entry is recorded (a test makes the host's log fail at a chosen entry).
    std::function<void(const LogEntry&)> m_onEntry;

private:
    std::vector<LogEntry> m_entries;
    int m_nEntries = 0;
    int m_nExits = 0;
};

} // namespace measure_test
