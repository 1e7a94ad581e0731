#include "LogRecorder.h"

#include "Utf8.h"

#include <sstream>

namespace measure_test {
namespace {

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool Any(const std::vector<LogEntry>& entries, wchar_t mark, const std::wstring& prefix) {
    for (const LogEntry& entry : entries)
        if (entry.mark == mark && StartsWith(entry.text, prefix))
            return true;
    return false;
}

} // namespace

std::string Transcript(const std::vector<LogEntry>& entries) {
    std::ostringstream out;
    for (const LogEntry& entry : entries)
        out << entry.level << ' ' << static_cast<char>(entry.mark) << ' ' << Utf8(entry.text) << '\n';
    return out.str();
}

void LogRecorder::entry(int level, wchar_t mark, const std::wstring& text) {
    LogEntry recorded{level, mark, text};
    if (m_onEntry)
        m_onEntry(recorded);
    if (mark == L'>')
        ++m_nEntries;
    else if (mark == L'<')
        ++m_nExits;
    m_entries.push_back(std::move(recorded));
}

void LogRecorder::clear() {
    m_entries.clear();
    m_nEntries = m_nExits = 0;
}

std::string LogRecorder::transcript() const {
    return Transcript(m_entries);
}

std::string LogRecorder::transcriptOf(const std::wstring& prefix) const {
    std::vector<LogEntry> picked;
    for (const LogEntry& entry : m_entries)
        if (StartsWith(entry.text, prefix))
            picked.push_back(entry);
    return Transcript(picked);
}

std::string LogRecorder::linesOf(const std::wstring& prefix) const {
    std::string out;
    for (const LogEntry& entry : m_entries)
        if (StartsWith(entry.text, prefix))
            out += static_cast<char>(entry.mark) + std::string(" ") + Utf8(entry.text) + '\n';
    return out;
}

bool LogRecorder::entered(const std::wstring& prefix) const {
    return Any(m_entries, L'>', prefix);
}

bool LogRecorder::exited(const std::wstring& prefix) const {
    return Any(m_entries, L'<', prefix);
}

} // namespace measure_test
