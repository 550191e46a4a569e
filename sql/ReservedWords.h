#pragma once
#include <array>
#include <string_view>

namespace qvsql {

inline constexpr std::size_t reservedWordCount = 235;

// The reserved words in table order.
const std::array<std::string_view, reservedWordCount>& ReservedWords();

// True when name equals a reserved word, ignoring letter case.
bool IsReservedWord(std::string_view name);

} // namespace qvsql
