// The scoped trace every operation of the dialog opens, and the direct lines (error lines among
// them) written through the host's log server.
//
// What it does NOT do:
// - no formatting, stamping or indentation of its own: how a line looks is the log server's affair;
// - no trace longer than 1023 characters: a longer text is cut at the buffer's end.
#pragma once

#include <brio/server/BrLogServer.h>

#include <cstdarg>
#include <string>

namespace brio::ui::measure {

class FunctionTrace {
public:
    static constexpr int kFunctionLevel = 3;
    static constexpr int kErrorLevel = 4;
    static constexpr size_t kBufferChars = 1024; // terminator included

    explicit FunctionTrace(int level = kFunctionLevel, bool direct = false);
    ~FunctionTrace();
    FunctionTrace(const FunctionTrace&) = delete;
    FunctionTrace& operator=(const FunctionTrace&) = delete;

    // At most once per trace, right after opening.
    void write(const wchar_t* format, ...);
    void writeV(const wchar_t* format, va_list args);

private:
    brio::server::BrLogServer* m_pServer = nullptr; // null: inactive, writes nothing more
    std::wstring m_strText;                         // the entry, kept for the exit
    int m_nLevel = kFunctionLevel;
    bool m_bDirect = false;
};

// One plain line at `level`, written at once (a trace of its own with `direct` set).
void WriteDirectLine(int level, const wchar_t* format, ...);
// An error line: a direct line at level 4.
void WriteErrorLine(const wchar_t* format, ...);

// What "this=%x" prints: the low 32 bits of the object's address.
inline unsigned TraceAddress(const void* object) {
    return static_cast<unsigned>(reinterpret_cast<uintptr_t>(object));
}

} // namespace brio::ui::measure
