#pragma once
// The library's version record: what a file's properties show for libQvSQLBuilder.so.
#include <array>
#include <string>

namespace res {

// Major, minor, patch, build.
using VersionNumber = std::array<int, 4>;

struct VersionRecord {
    VersionNumber fileVersion;
    VersionNumber productVersion;
    const char* productName;
    const char* fileDescription;
    const char* originalFileName;
    const char* copyright;
};

// Numbers from the project version the build was configured with.
const VersionRecord& LibraryVersion();
// "1.2.3.0".
std::string VersionText(const VersionNumber& version);

} // namespace res
