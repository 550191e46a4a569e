#pragma once
// Byte-string helpers shared by the engine. Letter case is folded for ASCII only,
// so multi-byte UTF-8 sequences pass through untouched.
#include <string>
#include <string_view>

namespace qvsql {

bool IsBlank(char c);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);
char ToUpperAscii(char c);
std::string ToUpperAscii(std::string_view text);
// Case-insensitive equality in the way the platform's lstrcmpiA answers "equal".
bool EqualsNoCase(std::string_view a, std::string_view b);
// Appends the lower-case fold of text to out; used to build case-insensitive keys.
void AppendFolded(std::string& out, std::string_view text);
std::string Folded(std::string_view text);

} // namespace qvsql
