// Running programs from tests: a shell command to its end, or a program until it prints a line.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace salvenor::testing {

struct CommandResult {
    int exitStatus = -1;  // -1 when the command did not end by itself
    std::string output;   // stdout and stderr together
};

// Runs `command` with /bin/sh, stderr joined to stdout, and waits for it.
inline CommandResult RunCommand(const std::string& command) {
    struct PipeCloser {
        int* status;
        void operator()(FILE* f) const { *status = pclose(f); }
    };
    CommandResult result;
    int status = -1;
    {
        const std::unique_ptr<FILE, PipeCloser> pipe(popen((command + " 2>&1").c_str(), "r"),
                                                     PipeCloser{&status});
        if (!pipe) {
            return result;
        }
        std::array<char, 4096> buffer{};
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
            result.output.append(buffer.data(), n);
        }
    }
    result.exitStatus = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Single-quotes `text` for /bin/sh.
inline std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

struct WatchResult {
    bool seen = false;        // the wanted text appeared
    bool endedFirst = false;  // the program ended before it appeared
    std::string output;
};

// Starts `command` with /bin/sh in a process group of its own and reads its output until
// `wanted` appears, the program ends, or `limit` passes (a bound for a hung program, not a
// measurement). The group is then stopped and reaped.
inline WatchResult RunUntilOutput(const std::string& command, const std::string& wanted,
                                  std::chrono::seconds limit) {
    WatchResult result;
    int fds[2];
    if (pipe(fds) != 0) {
        return result;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return result;
    }
    setpgid(pid, pid);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::array<char, 4096> buffer{};
    while (!result.seen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd pfd{fds[0], POLLIN, 0};
        if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t n = read(fds[0], buffer.data(), buffer.size());
        if (n <= 0) {
            result.endedFirst = true;
            break;
        }
        result.output.append(buffer.data(), static_cast<std::size_t>(n));
        result.seen = result.output.find(wanted) != std::string::npos;
    }
    kill(-pid, SIGKILL);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return result;
}

}  // namespace salvenor::testing
