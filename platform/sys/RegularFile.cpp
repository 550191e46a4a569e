#include "platform/sys/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qvsql {
namespace {

std::optional<FileStamp> Acceptable(const struct stat& info) {
    if (!S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > RegularFile::maxBytes) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::uint64_t>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> RegularFile::StampOf(const char* path) {
    struct stat info {};
    if (path == nullptr || stat(path, &info) != 0) {
        return std::nullopt;
    }
    return Acceptable(info);
}

// The path is looked at before it is opened, because opening some devices has effects of
// its own; the open file is checked again, as the path may have changed in between.
std::optional<RegularFile> RegularFile::Open(const char* path) {
    if (!StampOf(path)) {
        return std::nullopt;
    }
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    const std::optional<FileStamp> stamp = fstat(fd, &info) == 0 ? Acceptable(info) : std::nullopt;
    if (!stamp) {
        close(fd);
        return std::nullopt;
    }
    return RegularFile(fd, *stamp);
}

std::string RegularFile::ReadToEnd() {
    std::string bytes(stamp_.size, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(std::min(maxBytes, std::max<std::size_t>(bytes.size() * 2, 4096)));
        }
        const std::size_t got = Read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), stamp_(other.stamp_), readSoFar_(other.readSoFar_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        stamp_ = other.stamp_;
        readSoFar_ = other.readSoFar_;
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

std::size_t RegularFile::Read(char* buffer, std::size_t size) {
    const std::size_t wanted = std::min(size, maxBytes - readSoFar_);
    if (fd_ < 0 || buffer == nullptr || wanted == 0) {
        return 0;
    }
    ssize_t got = -1;
    do {
        got = read(fd_, buffer, wanted);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        return 0;
    }
    readSoFar_ += static_cast<std::size_t>(got);
    return static_cast<std::size_t>(got);
}

} // namespace qvsql
