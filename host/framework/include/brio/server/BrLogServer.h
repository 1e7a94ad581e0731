// The host's log server: one line per entry in a log file, with time, level, a mark and the nesting
// of open traces. Configured by BRIO_LOG (a path, or "-" for standard error) and BRIO_LOG_LEVEL.
#pragma once

#include <brio/BrFrameworkApi.h>

#include <memory>
#include <string>

namespace brio::server {

// What a test can attach to see entries as the server accepted them.
struct LogSink {
    virtual ~LogSink() = default;
    // mark: '>' entry of a trace, '<' its exit, '-' a plain line.
    virtual void entry(int level, wchar_t mark, const std::wstring& text) = 0;
};

class BRFRAMEWORK_API BrLogServer {
public:
    static BrLogServer& getInstance();

    // The virtual operations, in the order callers rely on.
    virtual int getLogLevel();                                           // 1: the threshold
    virtual void setLogLevel(int level);                                 // 2
    virtual void writeLog(int level, const wchar_t* text);               // 3: one plain line
    virtual void flush();                                                // 4
    virtual bool writeTrace(int level, const wchar_t* text, bool enter); // 5: true = wants the exit

    // Host-side controls (not used by components).
    void attachSink(LogSink* sink); // null detaches
    void reopen();                  // re-reads BRIO_LOG / BRIO_LOG_LEVEL
    int openTraceDepth() const;

protected:
    BrLogServer();
    virtual ~BrLogServer();
    BrLogServer(const BrLogServer&) = delete;
    BrLogServer& operator=(const BrLogServer&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace brio::server
