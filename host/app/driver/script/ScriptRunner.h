// Runs script lines: splits each into words, finds the command, checks the number of arguments and
// runs it. A line that fails (bad words, unknown command, a command that cannot be carried out, an
// exception out of the dialog) prints an error event and the run goes on; the exit status says
// whether any line failed.
//
// Not done here: the commands themselves (HostCommands, UserCommands), pumping messages between
// lines (the caller's loop does that, headless or live).
#pragma once

#include "script/ScriptContext.h"

#include <istream>
#include <string_view>

namespace host::script {

// Inside a catch block: what went wrong, for an error event. An MFC exception is deleted here.
std::string DescribeCurrentException();

class ScriptRunner {
public:
    explicit ScriptRunner(ScriptContext& context) : m_context(context) {}

    // Runs line `number` (1-based); false when it failed.
    bool runLine(int number, std::string_view line);
    // Runs work that belongs to line `number` (pumping what it posted), reporting a failure as its own.
    template <typename Work> bool runGuarded(int number, Work work) {
        try {
            work();
            return true;
        } catch (...) {
            fail(number, DescribeCurrentException());
            return false;
        }
    }
    bool anyFailed() const { return m_anyFailed; }
    bool quitRequested() const { return m_context.quit; }

private:
    void fail(int number, const std::string& message);

    ScriptContext& m_context;
    bool m_anyFailed = false;
};

// The error event; line 0 stands for what no script line caused (a click of the person).
void EmitError(EventSink& events, int line, const std::string& message);

// Headless: every line of `in` in turn, the message queue emptied after each; stops after "quit".
// Returns the exit status: 0 when every line succeeded, 1 otherwise.
int RunScript(std::istream& in, ScriptContext& context);

} // namespace host::script
