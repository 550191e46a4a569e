#pragma once
// Reading one value from a profile (INI) file: [section] headers and key=value lines.
#include "platform/base/WinDef.h"
#include "platform/sys/RegularFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qvsql {

class ProfileFile {
  public:
    // The value of key in section, cut to maxBytes bytes; nothing when the file, the
    // section or the key is missing, or when section or key is empty. Only a regular file
    // RegularFile accepts is read, as a stream that keeps only the bytes that can matter.
    static std::optional<std::string> Find(const char* path, std::string_view section,
                                           std::string_view key, std::size_t maxBytes);

    // The encoding of a whole file: UTF-8 when it starts with a byte-order mark or all of
    // its bytes are valid UTF-8, else bytes of a legacy code page the caller knows. Nothing
    // when Find would not read the file; the stamp tells which version was judged.
    struct Encoding {
        bool utf8 = true;
        FileStamp stamp;
    };
    static std::optional<Encoding> JudgeEncoding(const char* path);
};

} // namespace qvsql

// The value (or the default, "" when null) cut to size - 1 bytes and terminated; the
// result is the number of bytes copied. A null buffer or size 0 writes nothing.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR path);
