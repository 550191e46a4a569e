#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using qvsql::test::ChildProcess;
using qvsql::test::ReadFile;
using qvsql::test::TempDir;

bool WriteAt(int folder, const char* name, const std::string& bytes, mode_t mode) {
    const int fd = openat(folder, name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        return false;
    }
    const bool whole = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return close(fd) == 0 && whole;
}

// A chain of folders reached through descriptors only, so its full path may pass PATH_MAX;
// it removes itself from the bottom up.
class DeepFolder {
  public:
    DeepFolder(const std::filesystem::path& base, std::size_t minimumLength)
        : pathLength(base.string().size()) {
        folders.push_back(open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        while (pathLength < minimumLength && folders.back() >= 0) {
            mkdirat(folders.back(), step.c_str(), 0700);
            folders.push_back(
                openat(folders.back(), step.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            pathLength += step.size() + 1;
        }
    }
    ~DeepFolder() {
        for (const char* file : {"probe", "english.str"}) {
            unlinkat(folders.back(), file, 0);
        }
        for (std::size_t i = folders.size(); i-- > 1;) {
            close(folders[i]);
            unlinkat(folders[i - 1], step.c_str(), AT_REMOVEDIR);
        }
        close(folders.front());
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    int Bottom() const { return folders.back(); }
    std::size_t Length() const { return pathLength; }

  private:
    std::string step = std::string(200, 'd');
    std::vector<int> folders;
    std::size_t pathLength;
};

// Past the original platform's 260 characters the string file is still the one beside the
// executable, never one in a folder above it.
TEST(StringFilePath, LongExecutablePathKeepsItsOwnFolder) {
    TempDir dir;
    std::filesystem::path folder = dir.Path();
    while (folder.string().size() < 400) {
        folder /= std::string(60, 'p');
    }
    std::filesystem::create_directories(folder);
    dir.Write("german.str", "[SQLBuilder]\nCancel=Parent\n");
    std::ofstream(folder.parent_path() / "german.str") << "[SQLBuilder]\nCancel=Parent\n";
    std::ofstream(folder / "german.str") << "[SQLBuilder]\nCancel=Beside\n";
    const std::filesystem::path probe = folder / "probe";
    std::filesystem::copy_file(QVSQL_STRING_FILE_PROBE, probe);

    const auto result = ChildProcess::Run(probe.string(), {"4"}, "");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (folder / "german.str").string() + "\nBeside\n");
}

// Beyond PATH_MAX the executable's folder cannot be named: no string file at all, not the
// one in the current folder (here the executable's own, reached by a relative path).
TEST(StringFilePath, PathBeyondTheLimitGivesNoStringFile) {
    TempDir dir;
    const DeepFolder deep(dir.Path(), PATH_MAX + 100);
    ASSERT_GT(deep.Length(), static_cast<std::size_t>(PATH_MAX));
    ASSERT_TRUE(WriteAt(deep.Bottom(), "probe", ReadFile(QVSQL_STRING_FILE_PROBE), 0700));
    ASSERT_TRUE(WriteAt(deep.Bottom(), "english.str", "[SQLBuilder]\nCancel=Current\n", 0600));
    const std::filesystem::path previous = std::filesystem::current_path();
    ASSERT_EQ(fchdir(deep.Bottom()), 0);
    const auto result = ChildProcess::Run("./probe", {}, "");
    std::filesystem::current_path(previous);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "\n\n");
}

} // namespace
