#include "resources/VersionRecord.h"

#ifndef QVSQL_VERSION_MAJOR
#error "the build defines the project version"
#endif

namespace res {

namespace {

constexpr VersionNumber projectVersion{QVSQL_VERSION_MAJOR, QVSQL_VERSION_MINOR,
                                       QVSQL_VERSION_PATCH, 0};

} // namespace

const VersionRecord& LibraryVersion() {
    static const VersionRecord record{
        .fileVersion = projectVersion,
        .productVersion = projectVersion,
        .productName = "QvSQLBuilder",
        .fileDescription = "Orvane SQL Query Builder",
        .originalFileName = "libQvSQLBuilder.so",
        .copyright = "Copyright (C) 2026 The QvSQLBuilder developers",
    };
    return record;
}

std::string VersionText(const VersionNumber& version) {
    std::string text;
    for (int part : version) {
        text += (text.empty() ? "" : ".") + std::to_string(part);
    }
    return text;
}

} // namespace res
