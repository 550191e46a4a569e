#pragma once
// The identifier quoting characters: character 0 opens a name, character 1 closes it.
#include <string_view>

namespace qvsql {

struct GroupingChars {
    char open = '[';
    char close = ']';

    // A text shorter than two characters cannot name both characters: the fallback stays.
    static GroupingChars FromString(std::string_view text, GroupingChars fallback);
    static GroupingChars FromString(std::string_view text);
};

inline GroupingChars GroupingChars::FromString(std::string_view text, GroupingChars fallback) {
    return text.size() < 2 ? fallback : GroupingChars{text[0], text[1]};
}

inline GroupingChars GroupingChars::FromString(std::string_view text) {
    return FromString(text, GroupingChars{});
}

} // namespace qvsql
