#include "sql/IdentifierQuoter.h"

#include "sql/ReservedWords.h"
#include "sql/TextOps.h"

#include <array>

namespace qvsql {

namespace {

// Character classes of a name: characters that force quoting, and characters that can
// appear in a reserved word (letters, '_' and '-').
enum CharClass : unsigned char { plain = 0, forcesQuoting = 1, wordCharacter = 2 };

constexpr std::array<unsigned char, 256> MakeClasses() {
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : std::string_view(" $'#.0123456789")) {
        classes[c] = forcesQuoting;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        classes[static_cast<std::size_t>(c)] = classes[static_cast<std::size_t>(c + 32)] =
            wordCharacter;
    }
    classes['_'] = classes['-'] = wordCharacter;
    return classes;
}

constexpr std::array<unsigned char, 256> charClasses = MakeClasses();

bool NeedsQuoting(std::string_view name) {
    bool wordOnly = true;
    for (char c : name) {
        const unsigned char cls = charClasses[static_cast<unsigned char>(c)];
        if (cls == forcesQuoting) {
            return true;
        }
        wordOnly = wordOnly && cls == wordCharacter;
    }
    return wordOnly && IsReservedWord(name);
}

void AppendWithoutApostrophes(std::string& out, std::string_view text) {
    for (std::size_t at = text.find('\''); at != std::string_view::npos; at = text.find('\'')) {
        out.append(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    out.append(text);
}

} // namespace

void AppendQuotedIdentifier(std::string& out, std::string_view name, GroupingChars grouping) {
    const std::string_view trimmed = Trim(name);
    // Only a non-empty name can need wrapping, so front() and back() are safe below.
    const bool wrap = NeedsQuoting(trimmed);
    if (wrap && trimmed.front() != grouping.open && grouping.open != '\'') {
        out.push_back(grouping.open);
    }
    AppendWithoutApostrophes(out, trimmed);
    if (wrap && trimmed.back() != grouping.close && grouping.close != '\'') {
        out.push_back(grouping.close);
    }
}

std::string QuoteIdentifier(std::string_view name, GroupingChars grouping) {
    std::string out;
    out.reserve(name.size() + 2);
    AppendQuotedIdentifier(out, name, grouping);
    return out;
}

} // namespace qvsql
