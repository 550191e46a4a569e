#pragma once
// Whether a string file is UTF-8 or in its language's legacy code page. The verdict needs
// the whole file, so it is kept for the file last asked about until that file changes:
// every paint of an empty grid translates again.
#include "platform/sys/RegularFile.h"

#include <string>

namespace qvsql {

class StringFileEncoding {
  public:
    // True for UTF-8 (a byte-order mark, or valid UTF-8 throughout) and for a file that
    // cannot be read; false for a legacy file.
    bool IsUtf8(const std::string& path);

  private:
    std::string path_;
    FileStamp stamp_;
    bool utf8_ = true;
    bool known_ = false;
};

} // namespace qvsql
