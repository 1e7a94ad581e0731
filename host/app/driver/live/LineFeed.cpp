#include "live/LineFeed.h"

#include <fstream>
#include <mutex>

#include <poll.h>
#include <unistd.h>

namespace host::live {

struct LineFeed::Shared {
    mutable std::mutex mutex;
    std::deque<std::string> lines;
    bool ended = false;
    std::function<void()> arrived;
};

LineFeed::~LineFeed() {
    if (m_reader.joinable()) {
        const char stop = 0;
        (void)!write(m_stop[1], &stop, 1);
        m_reader.join();
    }
    for (int end : m_stop) {
        if (end >= 0) {
            close(end);
        }
    }
}

bool LineFeed::openFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    m_shared = std::make_shared<Shared>();
    std::string line;
    while (std::getline(in, line)) {
        m_shared->lines.push_back(line);
    }
    m_shared->ended = true;
    return true;
}

void LineFeed::openStandardInput(std::function<void()> arrived) {
    m_shared = std::make_shared<Shared>();
    m_shared->arrived = std::move(arrived);
    if (pipe(m_stop) != 0) {
        m_shared->ended = true;
        return;
    }
    m_reader = std::thread(&LineFeed::Read, m_shared, m_stop[0]);
}

// Waits for standard input or for the word to stop; a last line without a newline counts at the end.
void LineFeed::Read(std::shared_ptr<Shared> shared, int stop) {
    std::string partial;
    for (;;) {
        pollfd ends[2] = {{STDIN_FILENO, POLLIN, 0}, {stop, POLLIN, 0}};
        if (poll(ends, 2, -1) < 0 || (ends[1].revents & POLLIN)) {
            return;
        }
        char buffer[4096];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        std::deque<std::string> whole;
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                whole.push_back(std::move(partial));
                partial.clear();
            } else {
                partial += buffer[i];
            }
        }
        const bool ended = got <= 0;
        if (ended && !partial.empty()) {
            whole.push_back(std::move(partial));
        }
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            for (std::string& line : whole) {
                shared->lines.push_back(std::move(line));
            }
            shared->ended = ended;
        }
        if ((!whole.empty() || ended) && shared->arrived) {
            shared->arrived();
        }
        if (ended) {
            return;
        }
    }
}

std::optional<std::string> LineFeed::next() {
    if (!m_shared) {
        return std::nullopt;
    }
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    if (m_shared->lines.empty()) {
        return std::nullopt;
    }
    std::string line = std::move(m_shared->lines.front());
    m_shared->lines.pop_front();
    return line;
}

bool LineFeed::ready() const {
    if (!m_shared) {
        return false;
    }
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return !m_shared->lines.empty();
}

bool LineFeed::finished() const {
    if (!m_shared) {
        return true;
    }
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->ended && m_shared->lines.empty();
}

} // namespace host::live
