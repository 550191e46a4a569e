#pragma once
// Text as the window system keeps it (UTF-8, lines ending in CR LF) and as X selections carry
// it (UTF8_STRING or Latin-1 STRING, lines ending in LF).
#include <string>
#include <string_view>

namespace backend {

class SelectionText {
  public:
    // Our text for a UTF8_STRING answer: CR LF becomes LF.
    static std::string ToUtf8(std::string_view text);
    // Our text for a STRING answer: Latin-1, '?' for characters beyond it.
    static std::string ToLatin1(std::string_view text);
    // True when every character fits Latin-1.
    static bool FitsLatin1(std::string_view text);
    // What another application sent, as our text: valid UTF-8 (U+FFFD for bad bytes), no NUL,
    // every LF preceded by CR.
    static std::string FromUtf8(std::string_view bytes);
    static std::string FromLatin1(std::string_view bytes);

  private:
    static void Append(std::string& out, char32_t c);
    static void AppendLineEnd(std::string& out, char32_t previous);
};

} // namespace backend
