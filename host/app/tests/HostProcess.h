// Runs measure-host as a user runs it: a separate process with its own environment (settings and log
// in a fresh directory), standard input given, standard output and status collected. On Linux through
// posix_spawn (HostProcessPosix.cpp), on Windows through CreateProcess (HostProcessWindows.cpp); the
// program that keeps running while a test talks to it is Linux's alone (the live host's test).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace host::testing {

struct HostRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A fresh directory under the test's temporary directory, removed by the destructor.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// What the environment needs so that the program finds no display: on Linux DISPLAY and
// WAYLAND_DISPLAY emptied; nothing on Windows, where the desktop is always there.
std::map<std::string, std::string> Headless();

// Runs `program` with `args` in `workDir`, with `env` added to (or replacing in) the environment,
// feeding `input` to standard input. On Windows a program named without a folder is the one beside
// the test program.
HostRun RunProcess(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workDir, const std::map<std::string, std::string>& env,
                   const std::string& input = "");

#if !defined(_WIN32)
// A program that keeps running while the test talks to it: lines to its standard input, lines read
// back from its standard output as they come.
class RunningProcess {
public:
    RunningProcess(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workDir, const std::map<std::string, std::string>& env);
    ~RunningProcess(); // ends the program if it still runs
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;

    bool started() const { return m_pid > 0; }
    void writeLine(const std::string& line);
    void closeInput();
    // The next line of standard output, waiting at most `timeoutMs`; false on timeout or end.
    bool readLine(std::string& line, int timeoutMs);
    // Lines until one contains `marker` (which is returned last); empty when it did not come in time.
    std::vector<std::string> readUntil(const std::string& marker, int timeoutMs);
    // Waits for the end; the exit status, or -1 when it did not end in time (it is then killed).
    int wait(int timeoutMs);
    const std::string& errorOutput();

private:
    int m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    int m_err = -1;
    std::string m_buffer;
    std::string m_errors;
};

#endif

std::vector<std::string> SplitLines(const std::string& text);
std::string ReadFile(const std::string& path);

} // namespace host::testing
