// Child processes on Linux: posix_spawn with pipes for the standard streams.
#include "HostProcess.h"

#include <chrono>
#include <csignal>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <signal.h>
#include <unistd.h>

extern char** environ;

namespace host::testing {

namespace {

std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& env) {
    std::map<std::string, std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const size_t eq = text.find('=');
        environment[text.substr(0, eq)] = eq == std::string::npos ? "" : text.substr(eq + 1);
    }
    for (const auto& [name, value] : env) {
        environment[name] = value;
    }
    std::vector<std::string> lines;
    for (const auto& [name, value] : environment) {
        lines.push_back(name + "=" + value);
    }
    return lines;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Starts `program` with its standard streams on new pipes; our ends come back in `in`, `out`, `err`.
pid_t Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& workDir,
            const std::map<std::string, std::string>& env, int& in, int& out, int& err) {
    std::signal(SIGPIPE, SIG_IGN); // a child that stops reading must not end the test
    std::vector<std::string> envText = EnvironmentWith(env);
    std::vector<std::string> argText{program};
    argText.insert(argText.end(), args.begin(), args.end());
    auto envp = Pointers(envText);
    auto argv = Pointers(argText);
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    in = inPipe[1];
    out = outPipe[0];
    err = errPipe[0];
    return spawned ? pid : -1;
}

} // namespace

HostRun RunProcess(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workDir, const std::map<std::string, std::string>& env,
                   const std::string& input) {
    HostRun run;
    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    const pid_t pid = Spawn(program, args, workDir, env, in[1], out[0], err[0]);
    if (pid < 0) {
        for (int fd : {in[1], out[0], err[0]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return run;
    }
    // Feed the input and read both outputs together, so that neither pipe fills up and blocks the child.
    size_t written = 0;
    if (input.empty()) {
        close(in[1]);
        in[1] = -1;
    }
    pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {in[1], POLLOUT, 0}};
    int open = 2;
    while (open > 0) {
        fds[2].fd = in[1];
        poll(fds, 3, -1);
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd >= 0 && (fds[k].revents & (POLLIN | POLLHUP))) {
                char buffer[8192];
                const ssize_t got = read(fds[k].fd, buffer, sizeof buffer);
                if (got <= 0) {
                    close(fds[k].fd);
                    fds[k].fd = -1;
                    --open;
                } else {
                    (k == 0 ? run.out : run.err).append(buffer, static_cast<size_t>(got));
                }
            }
        }
        if (in[1] >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
            const ssize_t put = write(in[1], input.data() + written, input.size() - written);
            written += put > 0 ? static_cast<size_t>(put) : 0;
            if (put <= 0 || written == input.size()) {
                close(in[1]);
                in[1] = -1;
            }
        }
    }
    if (in[1] >= 0) {
        close(in[1]);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

RunningProcess::RunningProcess(const std::string& program, const std::vector<std::string>& args,
                               const std::string& workDir, const std::map<std::string, std::string>& env) {
    m_pid = Spawn(program, args, workDir, env, m_in, m_out, m_err);
}

RunningProcess::~RunningProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    for (int fd : {m_in, m_out, m_err}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void RunningProcess::writeLine(const std::string& line) {
    const std::string text = line + "\n";
    size_t done = 0;
    while (m_in >= 0 && done < text.size()) {
        const ssize_t put = write(m_in, text.data() + done, text.size() - done);
        if (put <= 0) {
            break;
        }
        done += static_cast<size_t>(put);
    }
}

void RunningProcess::closeInput() {
    if (m_in >= 0) {
        close(m_in);
        m_in = -1;
    }
}

bool RunningProcess::readLine(std::string& line, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || m_out < 0) {
            return false;
        }
        pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
        poll(fds, m_err >= 0 ? 2 : 1, static_cast<int>(left.count()));
        char buffer[8192];
        if (m_err >= 0 && (fds[1].revents & (POLLIN | POLLHUP))) {
            const ssize_t got = read(m_err, buffer, sizeof buffer);
            if (got > 0) {
                m_errors.append(buffer, static_cast<size_t>(got));
            } else {
                close(m_err);
                m_err = -1;
            }
        }
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            const ssize_t got = read(m_out, buffer, sizeof buffer);
            if (got <= 0) {
                close(m_out);
                m_out = -1;
                return false;
            }
            m_buffer.append(buffer, static_cast<size_t>(got));
        }
    }
}

std::vector<std::string> RunningProcess::readUntil(const std::string& marker, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> lines;
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readLine(line, static_cast<int>(left.count()))) {
            return {};
        }
        lines.push_back(line);
        if (line.find(marker) != std::string::npos) {
            return lines;
        }
    }
}

int RunningProcess::wait(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string ignored;
    while (m_pid > 0) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return -1;
        }
        readLine(ignored, 20); // keep the pipes drained
    }
    return -1;
}

const std::string& RunningProcess::errorOutput() {
    std::string ignored;
    readLine(ignored, 0);
    return m_errors;
}

} // namespace host::testing
