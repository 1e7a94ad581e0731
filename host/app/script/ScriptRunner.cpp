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

void ScriptRunner::fail(int number, const std::string& message) {
    m_anyFailed = true;
    JsonWriter json;
    json.beginObject().field("event", "error").field("line", number).field("message", message);
    m_context.events.emit(json.endObject());
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
    } catch (const ScriptError& error) {
        fail(number, error.what());
    } catch (CException* error) {
        // Thrown by pointer through the dialog, as MFC does; the one who catches it deletes it.
        wchar_t text[512] = {};
        error->GetErrorMessage(text, 512);
        error->Delete();
        fail(number, "MFC exception out of the dialog: " + ToUtf8(text));
    } catch (const _com_error& error) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(error.Error()));
        fail(number, std::string("OLE error out of the dialog: ") + code);
    } catch (const std::exception& error) {
        fail(number, std::string("exception out of the dialog: ") + error.what());
    } catch (...) {
        fail(number, "exception out of the dialog");
    }
    return false;
}

int RunScript(std::istream& in, ScriptContext& context) {
    ScriptRunner runner(context);
    std::string line;
    int number = 0;
    while (!runner.quitRequested() && std::getline(in, line)) {
        runner.runLine(++number, line);
        PumpWaitingMessages();
    }
    return runner.anyFailed() ? 1 : 0;
}

} // namespace host::script
