#include "tests/platform/XServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
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

} // namespace

XServer::XServer() {
    if (!StartXvfb()) {
        const char* display = std::getenv("DISPLAY");
        name = display ? display : "";
    }
}

XServer::~XServer() {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    for (int waited = 0; waited < StopTimeoutMs; waited += 10) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

const std::string& XServer::Name() {
    static XServer server;
    return server.name;
}

bool XServer::StartXvfb() {
    int fds[2];
    if (pipe(fds) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // no stray server if the test dies
        close(fds[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    const std::string number = child > 0 ? ReadDisplayNumber(fds[0]) : std::string();
    close(fds[0]);
    if (child > 0 && number.empty()) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (number.empty()) {
        return false;
    }
    pid = child;
    name = ":" + number;
    return true;
}

} // namespace x11test
