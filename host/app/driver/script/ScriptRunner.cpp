#include "script/ScriptRunner.h"

#include "host/MessageLoop.h"
#include "script/Words.h"

#include <afxwin.h>
#include <comdef.h>

#include <cstdio>

#include <string>

namespace host::script {

namespace {

const Command* FindCommand(std::wstring_view name) {
    for (const auto* table : {&HostCommands(), &UserCommands()}) {
        for (const Command& command : *table) {
            if (command.name == name) {
                return &command;
            }
        }
    }
    return nullptr;
}

std::string ArgumentCountMessage(const Command& command, size_t given) {
    const std::string name = ToUtf8(command.name);
    std::string expected = std::to_string(command.leastArguments);
    if (command.mostArguments != command.leastArguments) {
        expected += " to " + std::to_string(command.mostArguments);
    }
    return name + " takes " + expected + " argument" + (command.mostArguments == 1 ? "" : "s") + ", got " +
           std::to_string(given);
}

} // namespace

std::string DescribeCurrentException() {
    try {
        throw;
    } catch (const ScriptError& error) {
        return error.what();
    } catch (CException* error) {
        // Thrown by pointer through the dialog, as MFC does; the one who catches it deletes it.
        wchar_t text[512] = {};
        error->GetErrorMessage(text, 512);
        error->Delete();
        return "MFC exception out of the dialog: " + ToUtf8(text);
    } catch (const _com_error& error) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(error.Error()));
        return std::string("OLE error out of the dialog: ") + code;
    } catch (const std::exception& error) {
        return std::string("exception out of the dialog: ") + error.what();
    } catch (...) {
        return "exception out of the dialog";
    }
}

void EmitError(EventSink& events, int line, const std::string& message) {
    JsonWriter json;
    events.emit(
        json.beginObject().field("event", "error").field("line", line).field("message", message).endObject());
}

void ScriptRunner::fail(int number, const std::string& message) {
    m_anyFailed = true;
    EmitError(m_context.events, number, message);
}

bool ScriptRunner::runLine(int number, std::string_view line) {
    try {
        const Words words = SplitWords(line);
        if (words.empty()) {
            return true;
        }
        const Command* command = FindCommand(words[0]);
        if (!command) {
            throw ScriptError("unknown command \"" + ToUtf8(words[0]) + "\"");
        }
        const Words arguments(words.begin() + 1, words.end());
        if (arguments.size() < command->leastArguments || arguments.size() > command->mostArguments) {
            throw ScriptError(ArgumentCountMessage(*command, arguments.size()));
        }
        command->run(m_context, arguments);
        return true;
    } catch (...) {
        fail(number, DescribeCurrentException());
    }
    return false;
}

int RunScript(std::istream& in, ScriptContext& context) {
    ScriptRunner runner(context);
    std::string line;
    int number = 0;
    while (!runner.quitRequested() && std::getline(in, line)) {
        if (runner.runLine(++number, line)) {
            // What the line posted runs here; an exception out of a handler belongs to the line too.
            runner.runGuarded(number, [] { PumpWaitingMessages(); });
        }
    }
    return runner.anyFailed() ? 1 : 0;
}

} // namespace host::script
