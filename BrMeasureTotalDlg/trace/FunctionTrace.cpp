#include "FunctionTrace.h"

#include <cwchar>

namespace brio::ui::measure {

FunctionTrace::FunctionTrace(int level, bool direct) : m_nLevel(level), m_bDirect(direct) {
    // getInstance hands back a reference, so a server always exists; its threshold decides.
    brio::server::BrLogServer* server = &brio::server::BrLogServer::getInstance();
    if (server->getLogLevel() <= m_nLevel)
        m_pServer = server;
}

// Closing runs during unwinding too, where a second exception would end the host: a log that fails
// at the exit loses that one line, and the operation's own outcome goes on.
FunctionTrace::~FunctionTrace() {
    if (m_pServer == nullptr || m_strText.empty())
        return;
    try {
        m_pServer->writeTrace(m_nLevel, m_strText.c_str(), false);
    } catch (...) {
    }
}

void FunctionTrace::write(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    writeV(format, args);
    va_end(args);
}

void FunctionTrace::writeV(const wchar_t* format, va_list args) {
    if (m_pServer == nullptr || format == nullptr || format[0] == L'\0') {
        m_pServer = nullptr;
        return;
    }
    // A silent trace stops here, before any formatting.
    if (m_nLevel < m_pServer->getLogLevel())
        return;
    wchar_t buffer[kBufferChars] = {};
    // glibc fills the buffer as far as it goes and reports -1 for a text that does not fit; the
    // terminator is put at the end in any case, so a long text is cut, never overrun.
    if (std::vswprintf(buffer, kBufferChars, format, args) < 0)
        buffer[kBufferChars - 1] = L'\0';
    if (m_bDirect) {
        m_pServer->writeLog(m_nLevel, buffer);
        m_pServer = nullptr;
        return;
    }
    if (m_pServer->writeTrace(m_nLevel, buffer, true))
        m_strText = buffer;
    else
        m_pServer = nullptr;
}

void WriteDirectLine(int level, const wchar_t* format, ...) {
    FunctionTrace line(level, true);
    va_list args;
    va_start(args, format);
    line.writeV(format, args);
    va_end(args);
}

void WriteErrorLine(const wchar_t* format, ...) {
    FunctionTrace line(FunctionTrace::kErrorLevel, true);
    va_list args;
    va_start(args, format);
    line.writeV(format, args);
    va_end(args);
}

} // namespace brio::ui::measure
