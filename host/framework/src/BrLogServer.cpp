// The host's log server.
// What it does NOT do: no rotation or size limit of the log file, no per-thread nesting (the host's
// traces all come from its user-interface thread), no asynchronous writing: each accepted entry is
// one write and one flush, so a crash loses nothing that was accepted.
#include <brio/server/BrLogServer.h>
#include <standin/LogServerFaults.h>

#include "HostPaths.h"
#include "LogLine.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <system_error>

namespace brio::server {

namespace {

constexpr int kDefaultThreshold = 3;

// The fault switches (standin/LogServerFaults.h): the server is one object, so they are the
// process's, read on every write without the lock.
std::atomic<bool> g_refuseEntries{false};
std::atomic<bool> g_throwOnWrite{false};

} // namespace

struct BrLogServer::State {
    // Read on every trace without the lock: a silent trace must cost next to nothing.
    std::atomic<int> threshold{kDefaultThreshold};
    // Recursive so that a sink that logs does not deadlock; its entries simply nest.
    mutable std::recursive_mutex mutex;
    std::FILE* file = nullptr;
    bool ownsFile = false;
    LogSink* sink = nullptr;
    int depth = 0;

    void closeFile() {
        if (ownsFile && file != nullptr)
            std::fclose(file);
        file = nullptr;
        ownsFile = false;
    }

    // Opens BRIO_LOG for appending; "-" is standard error. A file that cannot be opened sends the
    // lines to standard error with one note saying so: a log is never silently dropped.
    void openFile() {
        closeFile();
        const std::string configured = detail::environmentValue("BRIO_LOG");
        if (configured == "-") {
            file = stderr;
            return;
        }
        const std::filesystem::path path =
            configured.empty() ? detail::defaultLogPath() : std::filesystem::path(configured);
        std::error_code ignored;
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path(), ignored);
#ifdef _WIN32
        file = _wfopen(path.c_str(), L"a");
#else
        file = std::fopen(path.c_str(), "a");
#endif
        ownsFile = file != nullptr;
        if (file == nullptr) {
            file = stderr;
            std::fprintf(stderr, "brio log: cannot open %s; logging to standard error\n",
                         reinterpret_cast<const char*>(path.u8string().c_str()));
        }
    }

    void emit(int level, wchar_t mark, const wchar_t* text) {
        const std::wstring_view view = text != nullptr ? text : L"";
        if (file != nullptr) {
            const std::string line =
                detail::formatLogLine(std::chrono::system_clock::now(), level, mark, depth, view);
            std::fwrite(line.data(), 1, line.size(), file);
            std::fflush(file);
        }
        if (sink != nullptr)
            sink->entry(level, mark, std::wstring(view));
    }

    void throwIfInjected() const {
        if (g_throwOnWrite.load(std::memory_order_relaxed))
            throw std::runtime_error("brio log: write failed (fault injected by the host)");
    }
};

// Never destroyed: component traces run from static destructors and from the library unload, after
// any ordinary static would be gone. The one object and its open file are left to the process exit.
BrLogServer& BrLogServer::getInstance() {
    static BrLogServer* const instance = new BrLogServer();
    return *instance;
}

BrLogServer::BrLogServer() : m_state(std::make_unique<State>()) {
    reopen();
}

BrLogServer::~BrLogServer() {
    m_state->closeFile();
}

int BrLogServer::getLogLevel() {
    return m_state->threshold.load(std::memory_order_relaxed);
}

void BrLogServer::setLogLevel(int level) {
    m_state->threshold.store(level, std::memory_order_relaxed);
}

void BrLogServer::writeLog(int level, const wchar_t* text) {
    std::lock_guard lock(m_state->mutex);
    m_state->throwIfInjected();
    if (level < getLogLevel())
        return;
    m_state->emit(level, L'-', text);
}

void BrLogServer::flush() {
    std::lock_guard lock(m_state->mutex);
    if (m_state->file != nullptr)
        std::fflush(m_state->file);
}

bool BrLogServer::writeTrace(int level, const wchar_t* text, bool enter) {
    std::lock_guard lock(m_state->mutex);
    // An exit closes its trace's nesting even when its line is not written (threshold raised, entries
    // refused, write failing meanwhile), so that later lines are not indented for a trace that ended.
    if (!enter && m_state->depth > 0)
        --m_state->depth;
    m_state->throwIfInjected();
    if (g_refuseEntries.load(std::memory_order_relaxed) || level < getLogLevel())
        return false;
    m_state->emit(level, enter ? L'>' : L'<', text);
    if (enter)
        ++m_state->depth;
    return true;
}

void BrLogServer::attachSink(LogSink* sink) {
    std::lock_guard lock(m_state->mutex);
    m_state->sink = sink;
}

void BrLogServer::reopen() {
    std::lock_guard lock(m_state->mutex);
    m_state->openFile();
    m_state->threshold.store(
        detail::thresholdFromText(detail::environmentValue("BRIO_LOG_LEVEL"), kDefaultThreshold));
    m_state->depth = 0;
}

int BrLogServer::openTraceDepth() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->depth;
}

} // namespace brio::server

namespace standin::log_server {

void SetThrowOnWrite(bool doThrow) {
    brio::server::g_throwOnWrite.store(doThrow);
}

void SetRefuseEntries(bool refuse) {
    brio::server::g_refuseEntries.store(refuse);
}

} // namespace standin::log_server
