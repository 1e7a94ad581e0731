// Script lines for the live loop, which must not block: from a file (read at once) or from standard
// input as it arrives (a test writes a few lines, waits for their events, writes more).
//
// Not done here: lines longer than memory, other descriptors than standard input.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::live {

class LineFeed {
public:
    // False when the file cannot be read.
    bool openFile(const std::string& path);
    void openStandardInput() { m_stdin = true; }

    // The next whole line, if one is there now; nothing while input is still to come or at the end.
    std::optional<std::string> next();
    bool finished() const { return m_finished && m_pending.empty() && m_partial.empty(); }

private:
    void readAvailable();

    bool m_stdin = false;
    bool m_finished = false;
    std::vector<std::string> m_pending;
    size_t m_nextPending = 0;
    std::string m_partial;
};

} // namespace host::live
