#include "tests/tools/ChildProcess.h"

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

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe2 failed");
        }
        read = fds[0];
        write = fds[1];
    }
};

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
    }
    fd = -1;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& args, Pipe& in, Pipe& out,
            Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    return pid;
}

// Writes the input and drains both outputs together, so no pipe fills up and blocks.
void Pump(int& inFd, const std::string& input, int& outFd, int& errFd, ProcessResult& result) {
    std::size_t written = 0;
    if (input.empty()) {
        CloseFd(inFd);
    }
    while (inFd >= 0 || outFd >= 0 || errFd >= 0) {
        std::array<pollfd, 3> fds{{{inFd, POLLOUT, 0}, {outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) {
            throw std::runtime_error("poll failed");
        }
        if (fds[0].revents != 0) {
            std::size_t chunk = std::min<std::size_t>(input.size() - written, PIPE_BUF);
            ssize_t n = write(inFd, input.data() + written, chunk);
            written += n > 0 ? static_cast<std::size_t>(n) : 0;
            if (n <= 0 || written == input.size()) {
                CloseFd(inFd);
            }
        }
        std::array<std::pair<int*, std::string*>, 2> sinks{
            {{&outFd, &result.out}, {&errFd, &result.err}}};
        for (std::size_t i = 0; i < sinks.size(); ++i) {
            if (fds[i + 1].revents == 0) {
                continue;
            }
            char buffer[4096];
            ssize_t n = read(*sinks[i].first, buffer, sizeof buffer);
            if (n <= 0) {
                CloseFd(*sinks[i].first);
            } else {
                sinks[i].second->append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
}

} // namespace

ProcessResult ChildProcess::Run(const std::string& program, const std::vector<std::string>& args,
                                const std::string& input) {
    std::signal(SIGPIPE, SIG_IGN); // a child that stops reading must not kill the test
    Pipe in, out, err;
    pid_t pid = Spawn(program, args, in, out, err);
    CloseFd(in.read);
    CloseFd(out.write);
    CloseFd(err.write);
    ProcessResult result;
    Pump(in.write, input, out.read, err.read, result);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace qvsql::test
