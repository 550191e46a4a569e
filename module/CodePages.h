#pragma once
// String file values as UTF-8 text, whatever encoding the file was written in: a UTF-8
// file, or one in the legacy code page of its language (module/LanguageNames.h).
#include <string>
#include <string_view>

namespace qvsql {

class CodePages {
  public:
    // The code page of the language a string file's base name names ("/app/chngb.str":
    // GBK); any other name gets the code page of "other".
    static const char* OfStringFile(std::string_view path);

    // Bytes of a legacy code page as UTF-8. A byte that starts no character of the code
    // page becomes U+FFFD; a character cut short at the end (by the lookup's size limit) is
    // dropped. Without a converter for the code page every byte above 0x7F is U+FFFD.
    static std::string Decode(std::string_view bytes, const char* codePage);

    // Bytes that should be UTF-8 as valid UTF-8: each byte of an invalid sequence becomes
    // U+FFFD, a sequence cut short at the end is dropped.
    static std::string RepairUtf8(std::string_view bytes);
};

} // namespace qvsql
