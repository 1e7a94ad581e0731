// Child processes on Windows: CreateProcessW with pipes for the standard streams, the environment
// block the parent's with the test's variables put in, the output read while the input is written.
#include "HostProcess.h"

#include <windows.h>

#include <thread>

namespace host::testing {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

// One argument as the C runtime splits a command line again: quoted, backslashes doubled before a quote.
void AppendArgument(std::wstring& line, const std::wstring& argument) {
    if (!line.empty()) {
        line += L' ';
    }
    line += L'"';
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

// Variable names are compared without case, as Windows compares them.
struct NameOrder {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    }
};

// The parent's environment with `env` put in.
std::wstring EnvironmentBlock(const std::map<std::string, std::string>& env) {
    std::map<std::wstring, std::wstring, NameOrder> variables;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        const size_t eq = text.find(L'=', 1); // "=C:=C:\..." names start with '='
        if (eq != std::wstring::npos) {
            variables[text.substr(0, eq)] = text.substr(eq + 1);
        }
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : env) {
        variables[Wide(name)] = Wide(value);
    }
    std::wstring block;
    for (const auto& [name, value] : variables) {
        block += name + L"=" + value;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

// A program named without a folder is looked for beside the running test program.
std::wstring ProgramPath(const std::string& program) {
    if (program.find_first_of("/\\") != std::string::npos) {
        return Wide(program);
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder = self;
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + Wide(program);
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[8192];
    DWORD got = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    // The child's end is inherited, ours is not.
    bool open(bool childReads) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!CreatePipe(&read, &write, &inherit, 0)) {
            return false;
        }
        return SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0) != FALSE;
    }
    static void close(HANDLE& handle) {
        if (handle) {
            CloseHandle(handle);
            handle = nullptr;
        }
    }
    ~Pipe() {
        close(read);
        close(write);
    }
};

} // namespace

HostRun RunProcess(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workDir, const std::map<std::string, std::string>& env,
                   const std::string& input) {
    HostRun run;
    Pipe in, out, err;
    if (!in.open(true) || !out.open(false) || !err.open(false)) {
        return run;
    }
    const std::wstring path = ProgramPath(program);
    std::wstring line;
    AppendArgument(line, path);
    for (const std::string& arg : args) {
        AppendArgument(line, Wide(arg));
    }
    std::wstring environment = EnvironmentBlock(env);
    const std::wstring folder = Wide(workDir);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    // The child goes with the test: a test stopped at its timeout leaves no host program behind.
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, TRUE,
                        CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, environment.data(), folder.c_str(),
                        &startup, &process)) {
        CloseHandle(job);
        return run;
    }
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);
    // Only the child holds its ends now: each pipe ends when the child lets go of it.
    Pipe::close(in.read);
    Pipe::close(out.write);
    Pipe::close(err.write);
    std::thread feeder([&] {
        DWORD put = 0;
        for (size_t written = 0; written < input.size(); written += put) {
            if (!WriteFile(in.write, input.data() + written, static_cast<DWORD>(input.size() - written), &put,
                           nullptr) ||
                put == 0) {
                break;
            }
        }
        Pipe::close(in.write);
    });
    std::thread errors([&] { run.err = ReadAll(err.read); });
    run.out = ReadAll(out.read);
    feeder.join();
    errors.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    run.status = static_cast<int>(status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(job);
    return run;
}

} // namespace host::testing
