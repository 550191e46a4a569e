#include "HostPaths.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool RunsFromBuildTree() {
    std::error_code ignored;
    return fs::equivalent(ExecutableFolder(), QVSQL_BUILT_HOST_DIR, ignored);
}

} // namespace

std::string ExecutableFolder() {
    std::error_code ignored;
    return fs::read_symlink("/proc/self/exe", ignored).parent_path().string();
}

std::vector<std::string> LibraryCandidates() {
    if (RunsFromBuildTree())
        return {QVSQL_BUILT_LIBRARY};
    const fs::path installed = fs::path(ExecutableFolder()) / QVSQL_HOST_TO_LIBDIR;
    return {(installed / QVSQL_LIBRARY_SONAME).lexically_normal().string(), QVSQL_LIBRARY_SONAME};
}

std::string SampleDatabase() {
    const fs::path folder = ExecutableFolder();
    if (RunsFromBuildTree())
        return (folder / "sample.db").string();
    return (folder / QVSQL_HOST_TO_DATADIR / "qvsql-host" / "sample.db")
        .lexically_normal()
        .string();
}
