#include "automation/ScriptFiles.h"

#include "automation/ScriptParser.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qvsql {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int opened) : fd(opened) {}
    ~Descriptor() {
        if (fd >= 0) {
            close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

bool ReadAll(int fd, std::string& text) {
    char chunk[4096];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0) {
            return true;
        }
        if (n < 0 && errno != EINTR) {
            return false;
        }
        if (n > 0) {
            text.append(chunk, static_cast<std::size_t>(n));
        }
        if (text.size() > MaxScriptBytes) {
            return false;
        }
    }
}

// A reader that went away must not end the host with SIGPIPE: the signal is held back on
// this thread for the write and a pending one that the write caused is taken away.
void WriteKeepingSigpipe(int fd, const std::string& text) {
    sigset_t pipeOnly;
    sigset_t saved;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly, &saved);
    sigset_t pending;
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EPIPE && !alreadyPending) {
        const timespec none{};
        sigtimedwait(&pipeOnly, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &saved, nullptr);
}

} // namespace

bool ReadScriptFile(const char* path, std::string& text, std::string& why) {
    const Descriptor file(open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (file.fd < 0 || fstat(file.fd, &info) != 0) {
        why = std::string("script: cannot read ") + path;
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        why = std::string("script: not a regular file: ") + path;
        return false;
    }
    if (!ReadAll(file.fd, text)) {
        why = std::string("script: cannot read ") + path + " (at most " +
              std::to_string(MaxScriptBytes) + " bytes)";
        return false;
    }
    return true;
}

// The PNG writer opens by name; the name of our own descriptor reaches exactly the file
// created here, whatever happens to the path meanwhile.
bool WriteNewScreenshot(const backend::HeadlessBackend& display, HWND window,
                        const std::string& path) {
    const Descriptor file(
        open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (file.fd < 0) {
        return false;
    }
    if (display.SaveWindowPng(window, "/proc/self/fd/" + std::to_string(file.fd))) {
        return true;
    }
    unlink(path.c_str());
    return false;
}

void ReportScriptFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    const char* fdText = std::getenv("QVSQL_SCRIPT_FAILURE_FD");
    char* end = nullptr;
    const long fd = fdText ? std::strtol(fdText, &end, 10) : -1;
    if (fdText && *fdText && end && *end == '\0' && fd >= 0 && fd <= 65535 &&
        fcntl(static_cast<int>(fd), F_GETFD) != -1) {
        WriteKeepingSigpipe(static_cast<int>(fd), line + "\n");
    }
}

} // namespace qvsql
