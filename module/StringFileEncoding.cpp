#include "module/StringFileEncoding.h"

#include "platform/sys/ProfileFile.h"

namespace qvsql {

bool StringFileEncoding::IsUtf8(const std::string& path) {
    const std::optional<FileStamp> stamp = RegularFile::StampOf(path.c_str());
    if (!stamp) {
        return true;
    }
    if (known_ && path == path_ && *stamp == stamp_) {
        return utf8_;
    }
    const std::optional<ProfileFile::Encoding> verdict = ProfileFile::JudgeEncoding(path.c_str());
    known_ = verdict.has_value();
    path_ = path;
    stamp_ = verdict ? verdict->stamp : FileStamp{};
    utf8_ = !verdict || verdict->utf8;
    return utf8_;
}

} // namespace qvsql
