#include "tests/desktop/ProbeProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace desktoptest {

namespace {

constexpr int ExitLimitMs = 10000;

} // namespace

ProbeProcess::ProbeProcess(const std::string& program, const char* argument) {
    int i[2], o[2], e[2];
    if (pipe2(i, O_CLOEXEC) || pipe2(o, O_CLOEXEC) || pipe2(e, O_CLOEXEC | O_NONBLOCK))
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, i[0], 0);
    posix_spawn_file_actions_adddup2(&actions, o[1], 1);
    posix_spawn_file_actions_adddup2(&actions, e[1], 2);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument), nullptr};
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(i[0]);
    close(o[1]);
    close(e[1]);
    in = i[1];
    out = o[0];
    err = e[0];
}

ProbeProcess::~ProbeProcess() {
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    for (int fd : {in, out, err})
        if (fd >= 0)
            close(fd);
}

void ProbeProcess::Send(const std::string& command) {
    const std::string line = command + "\n";
    if (write(in, line.data(), line.size()) < 0)
        return;
}

std::string ProbeProcess::Line(int timeoutMs) {
    for (;;) {
        const std::size_t end = pending.find('\n');
        if (end != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            return line;
        }
        pollfd p{out, POLLIN, 0};
        char chunk[512];
        if (poll(&p, 1, timeoutMs) <= 0)
            return "";
        const ssize_t n = read(out, chunk, sizeof chunk);
        if (n <= 0)
            return "";
        pending.append(chunk, static_cast<std::size_t>(n));
    }
}

std::string ProbeProcess::Errors() {
    std::string text;
    char chunk[512];
    ssize_t n = 0;
    while ((n = read(err, chunk, sizeof chunk)) > 0)
        text.append(chunk, static_cast<std::size_t>(n));
    return text;
}

int ProbeProcess::Wait() {
    int status = -1;
    for (int waited = 0; waited < ExitLimitMs; waited += 10) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
    return -1;
}

} // namespace desktoptest
