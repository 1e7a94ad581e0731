// Runs measure-host as a user runs it: a separate process with its own environment (settings and log
// in a fresh directory), standard input given, standard output and status collected.
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

// Runs `program` with `args` in `workDir`, with `env` added to (or replacing in) the environment,
// feeding `input` to standard input.
HostRun RunProcess(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workDir, const std::map<std::string, std::string>& env,
                   const std::string& input = "");

std::vector<std::string> SplitLines(const std::string& text);
std::string ReadFile(const std::string& path);

} // namespace host::testing
