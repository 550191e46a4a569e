#include "tests/support/ChildProcess.h"

#include <algorithm>
#include <array>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qvsql::test {

namespace {

constexpr int ExitLimitMs = 10000;

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
    }
    fd = -1;
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args) {
    std::signal(SIGPIPE, SIG_IGN); // a child that stops reading must not kill the test
    int i[2], o[2], e[2];
    if (pipe2(i, O_CLOEXEC) || pipe2(o, O_CLOEXEC) || pipe2(e, O_CLOEXEC | O_NONBLOCK)) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, i[0], 0);
    posix_spawn_file_actions_adddup2(&actions, o[1], 1);
    posix_spawn_file_actions_adddup2(&actions, e[1], 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(i[0]);
    close(o[1]);
    close(e[1]);
    in = i[1];
    out = o[0];
    err = e[0];
}

ChildProcess::~ChildProcess() {
    if (pid > 0) {
        Reap(pid, 0);
    }
    for (int* fd : {&in, &out, &err}) {
        CloseFd(*fd);
    }
}

ProcessResult ChildProcess::Run(const std::string& program, const std::vector<std::string>& args,
                                const std::string& input) {
    ChildProcess child(program, args);
    if (child.pid < 0) {
        throw std::runtime_error("cannot start " + program);
    }
    ProcessResult result;
    child.Pump(input, result);
    result.status = child.Wait();
    return result;
}

// Writes the input and drains both outputs together, so no pipe fills up and blocks.
void ChildProcess::Pump(const std::string& input, ProcessResult& result) {
    std::size_t written = 0;
    if (input.empty()) {
        CloseFd(in);
    }
    while (in >= 0 || out >= 0 || err >= 0) {
        std::array<pollfd, 3> fds{{{in, POLLOUT, 0}, {out, POLLIN, 0}, {err, POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) {
            throw std::runtime_error("poll failed");
        }
        if (fds[0].revents != 0) {
            std::size_t chunk = std::min<std::size_t>(input.size() - written, PIPE_BUF);
            ssize_t n = write(in, input.data() + written, chunk);
            written += n > 0 ? static_cast<std::size_t>(n) : 0;
            if (n <= 0 || written == input.size()) {
                CloseFd(in);
            }
        }
        std::array<std::pair<int*, std::string*>, 2> sinks{
            {{&out, &result.out}, {&err, &result.err}}};
        for (std::size_t s = 0; s < sinks.size(); ++s) {
            if (fds[s + 1].revents == 0) {
                continue;
            }
            char buffer[4096];
            ssize_t n = read(*sinks[s].first, buffer, sizeof buffer);
            if (n <= 0) {
                CloseFd(*sinks[s].first);
            } else {
                sinks[s].second->append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
}

void ChildProcess::Send(const std::string& command) {
    const std::string line = command + "\n";
    if (write(in, line.data(), line.size()) < 0) {
        return;
    }
}

std::string ChildProcess::Line(int timeoutMs) {
    for (;;) {
        const std::size_t end = pending.find('\n');
        if (end != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            return line;
        }
        pollfd p{out, POLLIN, 0};
        char chunk[512];
        if (poll(&p, 1, timeoutMs) <= 0) {
            return "";
        }
        const ssize_t n = read(out, chunk, sizeof chunk);
        if (n <= 0) {
            return "";
        }
        pending.append(chunk, static_cast<std::size_t>(n));
    }
}

std::string ChildProcess::Errors() {
    std::string text;
    char chunk[512];
    ssize_t n = 0;
    while ((n = read(err, chunk, sizeof chunk)) > 0) {
        text.append(chunk, static_cast<std::size_t>(n));
    }
    return text;
}

int ChildProcess::Wait() {
    const int status = pid > 0 ? Reap(pid, ExitLimitMs) : -1;
    pid = -1;
    return status;
}

int Reap(int pid, int limitMs) {
    int status = -1;
    for (int waited = 0; waited < limitMs; waited += 10) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

} // namespace qvsql::test
