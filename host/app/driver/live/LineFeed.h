// Script lines for the live loop, which must not block: from a file (read at once) or from standard
// input as it arrives (a test writes a few lines, waits for their events, writes more). Standard input
// is read by a thread of its own, which tells the loop of each whole line, so that the loop can wait
// for the desktop's events and for lines alike without waking up to look.
//
// Not done here: lines longer than memory, other descriptors than standard input.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace host::live {

class LineFeed {
public:
    LineFeed() = default;
    ~LineFeed();
    LineFeed(const LineFeed&) = delete;
    LineFeed& operator=(const LineFeed&) = delete;

    // False when the file cannot be read.
    bool openFile(const std::string& path);
    // `arrived` is called on the reading thread after each whole line and at the end of input.
    void openStandardInput(std::function<void()> arrived = {});

    // The next whole line, if one is there now; nothing while input is still to come or at the end.
    std::optional<std::string> next();
    // A whole line is waiting for next().
    bool ready() const;
    bool finished() const;

private:
    struct Shared;
    static void Read(std::shared_ptr<Shared> shared, int stop);

    std::shared_ptr<Shared> m_shared;
    std::thread m_reader;
    int m_stop[2] = {-1, -1}; // written to end the reader
};

} // namespace host::live
