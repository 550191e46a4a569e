#include "platform/sys/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qvsql {
namespace {

std::optional<FileStamp> Acceptable(const struct stat& info, std::uint64_t limit) {
    if (!S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_size) > limit) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::uint64_t>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> RegularFile::StampOf(const char* path, std::uint64_t limit) {
    struct stat info {};
    if (path == nullptr || stat(path, &info) != 0) {
        return std::nullopt;
    }
    return Acceptable(info, limit);
}

// The path is looked at before it is opened, because opening some devices has effects of
// its own; the open file is checked again, as the path may have changed in between.
std::optional<RegularFile> RegularFile::Open(const char* path, std::uint64_t limit) {
    if (!StampOf(path, limit)) {
        return std::nullopt;
    }
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    const std::optional<FileStamp> stamp =
        fstat(fd, &info) == 0 ? Acceptable(info, limit) : std::nullopt;
    if (!stamp) {
        close(fd);
        return std::nullopt;
    }
    return RegularFile(fd, *stamp, limit);
}

std::string RegularFile::ReadToEnd() {
    std::string bytes(stamp_.size, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(
                std::min<std::uint64_t>(limit_, std::max<std::size_t>(bytes.size() * 2, 4096)));
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
    : fd_(std::exchange(other.fd_, -1)), stamp_(other.stamp_), limit_(other.limit_),
      readSoFar_(other.readSoFar_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        stamp_ = other.stamp_;
        limit_ = other.limit_;
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
    const std::size_t wanted = std::min<std::uint64_t>(size, limit_ - readSoFar_);
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

std::size_t RegularFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const {
    std::size_t done = 0;
    while (fd_ >= 0 && buffer != nullptr && done < size) {
        const ssize_t got =
            pread(fd_, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

} // namespace qvsql
