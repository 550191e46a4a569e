#pragma once
// Reading a file only when it is a regular file of bounded size. FIFOs, devices and folders
// are never opened for reading, so a hostile path can neither block nor flood the reader.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qvsql {

// What tells one version of a file from another: its identity, size and change time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

class RegularFile {
  public:
    // Larger files are refused: no profile or text file of the library comes near it.
    static constexpr std::size_t maxBytes = 16 * 1024 * 1024;

    // Nothing when the path is null, missing or unreadable, names anything but a regular
    // file, or names one larger than limit.
    static std::optional<RegularFile> Open(const char* path, std::uint64_t limit = maxBytes);
    // The stamp of a file Open would accept, without opening it.
    static std::optional<FileStamp> StampOf(const char* path, std::uint64_t limit = maxBytes);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    // Up to size bytes; 0 at the end, on an error, or once maxBytes have been read (a file
    // that grows while it is read stops there).
    std::size_t Read(char* buffer, std::size_t size);
    // Everything Read still gives.
    std::string ReadToEnd();
    // Up to size bytes from offset on, without moving the reading position; fewer at the end
    // or on an error.
    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) const;
    const FileStamp& Stamp() const { return stamp_; }

  private:
    RegularFile(int fd, const FileStamp& stamp, std::uint64_t limit)
        : fd_(fd), stamp_(stamp), limit_(limit) {}

    int fd_ = -1;
    FileStamp stamp_;
    std::uint64_t limit_ = maxBytes;
    std::size_t readSoFar_ = 0;
};

} // namespace qvsql
