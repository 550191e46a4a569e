#pragma once
// The framework's 8-bit string operations over std::string. Case folding touches ASCII
// letters only, so UTF-8 text stays intact; positions and counts are bytes and are clamped
// to the string, never out of range.
#include <string>
#include <string_view>

namespace afx {

int CompareNoCase(std::string_view a, std::string_view b);
std::string MakeUpper(std::string text);
std::string MakeLower(std::string text);
// Blanks are space, tab, CR, LF, vertical tab and form feed.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);
std::string Mid(std::string_view text, int first, int count = -1);
// Position of what, from start; -1 when absent.
int Find(std::string_view text, std::string_view what, int start = 0);
// Number of replacements; an empty pattern replaces nothing.
int Replace(std::string& text, std::string_view from, std::string_view to);
int Remove(std::string& text, char ch);
// The next token after skipping delimiters at pos; pos moves past it, or becomes -1 with an
// empty result when no token is left.
std::string Tokenize(std::string_view text, std::string_view delimiters, int& pos);

} // namespace afx
