#include "tests/support/Xvfb.h"

#include "tests/support/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace x11test {

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 3000;

// Xvfb writes its display number and a newline once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        char c = 0;
        if (poll(&p, 1, StartTimeoutMs) <= 0 || read(fd, &c, 1) != 1) {
            return {};
        }
        if (c == '\n') {
            return number;
        }
        number.push_back(c);
    }
}

[[noreturn]] void ExecXvfb(int fd, const std::string& screen,
                           const std::vector<std::string>& options) {
    prctl(PR_SET_PDEATHSIG, SIGTERM); // no stray server if the test dies
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(fd),
                                     "-screen",   "0",          screen,
                                     "-nolisten", "tcp",        "-noreset"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    execvp("Xvfb", argv.data());
    _exit(127);
}

} // namespace

Xvfb::Xvfb(const std::string& screen, const std::vector<std::string>& options) {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        ExecXvfb(fds[1], screen, options);
    }
    close(fds[1]);
    const std::string number = child > 0 ? ReadDisplayNumber(fds[0]) : std::string();
    close(fds[0]);
    if (child > 0 && number.empty()) {
        qvsql::test::Reap(child, 0);
        return;
    }
    if (child > 0) {
        pid = child;
        name = ":" + number;
    }
}

Xvfb::~Xvfb() {
    Stop();
}

void Xvfb::Kill() {
    End(SIGKILL);
}

void Xvfb::Stop() {
    End(SIGTERM);
}

void Xvfb::End(int signal) {
    if (pid > 0) {
        kill(pid, signal);
        qvsql::test::Reap(pid, StopTimeoutMs);
    }
    pid = -1;
}

} // namespace x11test
