// Script lines for the live loop arrive as a test or a person types them: a line is run only once it is
// whole, never blocks the loop while more is to come, the loop is told when one arrives (so it can
// sleep until then), and the last line counts without its newline.
#include "live/LineFeed.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

#include <unistd.h>

using host::live::LineFeed;

namespace {

// Standard input replaced by a pipe the test writes to, for the life of the object.
class PipedInput {
public:
    PipedInput() {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        m_saved = dup(STDIN_FILENO);
        dup2(ends[0], STDIN_FILENO);
        close(ends[0]);
        m_write = ends[1];
    }
    ~PipedInput() {
        closeWriting();
        dup2(m_saved, STDIN_FILENO);
        close(m_saved);
    }
    void write(const std::string& text) {
        EXPECT_EQ(::write(m_write, text.data(), text.size()), ssize_t(text.size()));
    }
    void closeWriting() {
        if (m_write >= 0) {
            close(m_write);
            m_write = -1;
        }
    }

private:
    int m_saved = -1;
    int m_write = -1;
};

// Counts the reader's calls, as the live loop's wake-up does, and waits for the next one.
class Arrivals {
public:
    std::function<void()> callback() {
        return [this] {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_count;
            m_changed.notify_all();
        };
    }
    bool waitFor(int count) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(5), [&] { return m_count >= count; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_count = 0;
};

TEST(LineFeed, StandardInputGivesWholeLinesAsTheyArriveAndSaysSo) {
    PipedInput input;
    Arrivals arrivals;
    LineFeed feed;
    feed.openStandardInput(arrivals.callback());
    EXPECT_EQ(feed.next(), std::nullopt); // nothing yet: the loop goes on
    EXPECT_FALSE(feed.ready());
    EXPECT_FALSE(feed.finished());
    input.write("measure 1 1/100 線分\nmark");
    ASSERT_TRUE(arrivals.waitFor(1));
    EXPECT_TRUE(feed.ready());
    EXPECT_EQ(feed.next(), "measure 1 1/100 線分");
    EXPECT_EQ(feed.next(), std::nullopt); // "mark" is not whole yet
    input.write(" done\n\nquit");
    ASSERT_TRUE(arrivals.waitFor(2));
    EXPECT_EQ(feed.next(), "mark done");
    EXPECT_EQ(feed.next(), "");
    EXPECT_FALSE(feed.finished());
    input.closeWriting();
    ASSERT_TRUE(arrivals.waitFor(3));
    EXPECT_EQ(feed.next(), "quit"); // the end of input completes the last line
    EXPECT_EQ(feed.next(), std::nullopt);
    EXPECT_TRUE(feed.finished());
}

TEST(LineFeed, AReaderStillWaitingForInputEndsWithTheFeed) {
    PipedInput input;
    {
        LineFeed feed;
        feed.openStandardInput();
    } // the destructor returns although standard input stays open
    SUCCEED();
}

TEST(LineFeed, AFileIsReadWholeAndAMissingOneIsRefused) {
    const std::string path = (std::filesystem::temp_directory_path() / "linefeed-test.script").string();
    std::ofstream(path) << "measure 1 1/100 x\n\n# a comment\nquit";
    LineFeed feed;
    ASSERT_TRUE(feed.openFile(path));
    std::vector<std::string> lines;
    while (auto line = feed.next()) {
        lines.push_back(*line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"measure 1 1/100 x", "", "# a comment", "quit"}));
    EXPECT_TRUE(feed.finished());
    std::filesystem::remove(path);
    EXPECT_FALSE(LineFeed().openFile(path));
}

} // namespace
