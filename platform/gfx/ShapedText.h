#pragma once
// One line of text after fallback, bidi reordering and shaping: glyphs in display order with
// positions in 1/64 logical pixels, and the width of each cluster in logical order.
#include <cstdint>
#include <vector>

namespace gfx {

class FontInstance;

struct PlacedGlyph {
    FontInstance* font = nullptr; // the primary font or a fallback face
    std::uint32_t index = 0;      // glyph index in that font's face
    std::int32_t x = 0;           // pen position plus offset, 1/64 pixel, from the left
    std::int32_t y = 0;           // offset up from the baseline, 1/64 pixel
    std::int32_t advance = 0;     // 1/64 pixel
    std::uint32_t cluster = 0;    // first byte of the cluster in the text
};

struct ClusterSpan {
    std::uint32_t byte = 0;   // first byte of the cluster
    std::int32_t advance = 0; // 1/64 pixel
};

struct ShapedText {
    std::vector<PlacedGlyph> glyphs;   // left to right on the screen
    std::vector<ClusterSpan> clusters; // in text order
    std::int32_t width = 0;            // 1/64 pixel

    int Width() const { return (width + 32) >> 6; }
};

} // namespace gfx
