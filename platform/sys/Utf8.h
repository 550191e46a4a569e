#pragma once
// UTF-8 decoding for display. Invalid bytes and sequences cut short decode to U+FFFD.
#include <cstddef>
#include <string_view>

namespace gfx {

inline constexpr char32_t ReplacementChar = 0xFFFD;

// Decodes the code point at pos and moves pos past it (at least one byte). pos < size.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

} // namespace gfx
