#pragma once
// Turns one line of UTF-8 into positioned glyphs: each character goes to the primary font or
// to a fallback face that has it, right-to-left text is resolved and reordered with FriBidi,
// and each run of one level, script and font is shaped with HarfBuzz. A line of simple
// scripts only is laid out directly, each character its nominal glyph, as HarfBuzz would.
#include "platform/gfx/ShapedText.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct hb_buffer_t;

namespace gfx {

class FontInstance;
class HarfBuzz;

class TextShaper {
  public:
    enum class Layout {
        Auto,     // directly when the line allows it, else shaped
        Shaped,   // always through HarfBuzz
        Unshaped, // never through HarfBuzz, as when it cannot be loaded
    };
    explicit TextShaper(FontInstance& font, Layout how = Layout::Auto)
        : primary(font), layout(how) {}
    ShapedText Shape(std::string_view text);

  private:
    struct Run {
        std::size_t begin = 0;
        std::size_t end = 0;
        int level = 0;
        int script = 0; // hb_script_t
        FontInstance* font = nullptr;
    };

    void Decode(std::string_view text);
    void ResolveLevels();
    bool LayOutDirectly(ShapedText& out);
    // Character i in the font's glyph index (its nominal glyph), at the glyph's advance.
    void PlaceNominal(FontInstance* font, std::uint32_t index, std::size_t i, ShapedText& out);
    void ShapeRuns(ShapedText& out);
    void Itemize();
    std::vector<int> ResolvedScripts() const;
    FontInstance* FontFor(std::size_t i, FontInstance* current) const;
    std::vector<std::size_t> VisualOrder() const;
    void ShapeRun(const Run& run, hb_buffer_t* buffer, ShapedText& out);
    void PlaceUnshaped(const Run& run, ShapedText& out);
    void CollectClusters(ShapedText& out) const;

    FontInstance& primary;
    Layout layout;
    const HarfBuzz* hb = nullptr; // for this line; null for lines laid out without it
    std::vector<std::uint32_t> codes;
    std::vector<std::uint32_t> bytes; // the first byte of each code point
    std::vector<signed char> levels;
    std::vector<Run> runs;
};

} // namespace gfx
