#include "platform/backend/X11Connection.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace backend {

namespace {

constexpr int TcpBasePort = 6000;
constexpr int MaxDisplayNumber = 59535; // 6000 + n stays a port
// The connection handshake with no authorisation: byte order, protocol 11.0, empty names.
constexpr unsigned char Handshake[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Waits for fd until the deadline; false on time-out or error.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, events, 0};
        const int ready = poll(&p, 1, std::max<int>(0, static_cast<int>(left.count())));
        if (ready > 0) {
            return (p.revents & events) != 0 || (p.revents & POLLHUP) != 0;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

int ConnectSocket(int family, const sockaddr* address, socklen_t length,
                  std::chrono::steady_clock::time_point deadline) {
    const int fd = socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    if (connect(fd, address, length) == 0) {
        return fd;
    }
    int error = errno;
    if (error == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
        socklen_t size = sizeof error;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) {
            return fd;
        }
    }
    close(fd);
    return -1;
}

int ConnectLocal(const std::string& path, bool abstract,
                 std::chrono::steady_clock::time_point deadline) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path) {
        return -1;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    return ConnectSocket(AF_UNIX, reinterpret_cast<sockaddr*>(&address), length, deadline);
}

int ConnectTcp(const std::string& host, int port, std::chrono::steady_clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return -1;
    }
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ConnectSocket(a->ai_family, a->ai_addr, a->ai_addrlen, deadline);
    }
    freeaddrinfo(found);
    return fd;
}

} // namespace

struct X11Connection::Address {
    std::string host; // empty (or "unix") for the local socket
    int number = 0;
};

// [protocol/]host:number[.screen]; a name Xlib reads some other way is not probed.
bool X11Connection::Parse(const std::string& name, Address& address) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos || (colon > 0 && name[colon - 1] == ':')) {
        return false;
    }
    std::string host = name.substr(0, colon);
    const std::size_t slash = host.find('/');
    if (slash != std::string::npos) {
        const std::string protocol = host.substr(0, slash);
        host = host.substr(slash + 1);
        if (protocol == "unix" || protocol == "local") {
            host.clear();
        } else if (protocol != "tcp" && protocol != "inet" && protocol != "inet6") {
            return false;
        }
    }
    const char* digits = name.c_str() + colon + 1;
    char* end = nullptr;
    const long number = std::strtol(digits, &end, 10);
    if (end == digits || (*end != '\0' && *end != '.') || number < 0 || number > MaxDisplayNumber) {
        return false;
    }
    address.host = host == "unix" ? std::string() : host;
    address.number = static_cast<int>(number);
    return true;
}

int X11Connection::Connect(const Address& address, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    if (!address.host.empty()) {
        return ConnectTcp(address.host, TcpBasePort + address.number, deadline);
    }
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(address.number);
    const int fd = ConnectLocal(path, true, deadline); // where Xlib looks first
    return fd >= 0 ? fd : ConnectLocal(path, false, deadline);
}

// Any first byte of a reply (success, failure or a demand for authentication) is an answer.
bool X11Connection::Answers(int fd, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t sent = 0;
    while (sent < sizeof Handshake) {
        const ssize_t n = send(fd, Handshake + sent, sizeof Handshake - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if ((n < 0 && errno != EAGAIN && errno != EINTR) ||
                   !WaitFor(fd, POLLOUT, deadline)) {
            return false;
        }
    }
    unsigned char first = 0;
    return WaitFor(fd, POLLIN, deadline) && recv(fd, &first, 1, 0) == 1;
}

Display* X11Connection::Open(const char* name, std::string& why, int timeoutMs) {
    const char* chosen = name ? name : std::getenv("DISPLAY");
    const std::string shown = chosen ? chosen : "";
    if (shown.empty()) {
        why = "no X display (DISPLAY is not set)";
        return nullptr;
    }
    Address address;
    if (Parse(shown, address)) {
        const int fd = Connect(address, timeoutMs);
        const bool answered = fd >= 0 && Answers(fd, timeoutMs);
        if (fd >= 0) {
            close(fd);
        }
        if (fd >= 0 && !answered) {
            why = "the X display " + shown + " did not answer within " +
                  std::to_string(timeoutMs / 1000) + " s";
            return nullptr;
        }
    }
    Display* display = XOpenDisplay(shown.c_str());
    if (!display) {
        why = "cannot open the X display " + shown;
    }
    return display;
}

} // namespace backend
