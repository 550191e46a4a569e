#pragma once
// Byte-string helpers shared by the engine. Letter case is folded for ASCII only,
// so multi-byte UTF-8 sequences pass through untouched.
#include <string>
#include <string_view>

namespace qvsql {

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
inline char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);
std::string ToUpperAscii(std::string_view text);
// Case-insensitive equality in the way the platform's lstrcmpiA answers "equal".
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace qvsql
