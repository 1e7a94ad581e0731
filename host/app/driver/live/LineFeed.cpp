#include "live/LineFeed.h"

#include <fstream>

#include <poll.h>
#include <unistd.h>

namespace host::live {

bool LineFeed::openFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        m_pending.push_back(line);
    }
    m_finished = true;
    return true;
}

void LineFeed::readAvailable() {
    if (!m_stdin || m_finished) {
        return;
    }
    pollfd input{STDIN_FILENO, POLLIN, 0};
    while (poll(&input, 1, 0) > 0 && (input.revents & (POLLIN | POLLHUP))) {
        char buffer[4096];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            m_finished = true; // end of input: a last line without a newline still counts
            if (!m_partial.empty()) {
                m_pending.push_back(std::move(m_partial));
                m_partial.clear();
            }
            return;
        }
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                m_pending.push_back(std::move(m_partial));
                m_partial.clear();
            } else {
                m_partial += buffer[i];
            }
        }
    }
}

std::optional<std::string> LineFeed::next() {
    readAvailable();
    if (m_nextPending >= m_pending.size()) {
        return std::nullopt;
    }
    std::string line = std::move(m_pending[m_nextPending++]);
    if (m_nextPending == m_pending.size()) {
        m_pending.clear();
        m_nextPending = 0;
    }
    return line;
}

} // namespace host::live
