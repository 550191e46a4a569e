#pragma once
// One realised font: a face at a pixel size with its style, its metrics, its glyph cache and
// its cache of shaped texts. Glyphs are rasterised once and kept as 8-bit coverage.
#include "platform/gfx/ShapedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_SizeRec_;
struct hb_font_t;

namespace gfx {

class HarfBuzz;

struct Glyph {
    int left = 0; // from the pen position to the bitmap's left edge
    int top = 0;  // from the baseline up to the bitmap's top edge
    int width = 0;
    int height = 0;
    int advance = 0;
    std::uint32_t index = 0; // 0: the face's missing-glyph box
    std::vector<std::uint8_t> coverage;
};

struct FontStyle {
    int pixelSize = 11;  // em height
    int pixelWidth = 0;  // em width, 0: as the height; narrower condenses the glyphs
    bool bold = false;   // embolden a face that is not bold itself
    bool italic = false; // slant a face that is not italic itself
    bool underline = false;
    bool strikeOut = false;
    int weight = 400;
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlineOffset = 1; // below the baseline
    int lineThickness = 1;
};

class FontInstance {
  public:
    // face may be null when no font file could be opened: glyphs are then blank.
    FontInstance(FT_FaceRec_* face, const FontStyle& style, std::string family);
    ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    const Glyph& GlyphFor(char32_t codePoint);
    const Glyph& GlyphAt(std::uint32_t index);
    bool Has(char32_t codePoint) const { return Index(codePoint) != 0; }
    // The face's glyph for the character (its charmap), 0 when it has none.
    std::uint32_t Index(char32_t codePoint) const;
    // The glyph's advance in 1/64 pixel, as HarfBuzz takes it from FreeType; the blank
    // cell's width without a face.
    std::int32_t Advance(std::uint32_t index);
    // The text shaped in this font with fallback faces, cached while the cache stays small.
    const ShapedText& Shaped(std::string_view text);
    // HarfBuzz's view of the face at this size, made with that table; null without a face.
    hb_font_t* Shaper(const HarfBuzz& hb);
    FT_FaceRec_* Face() const { return face; }
    // This font rasterised factor (1..3) times as large, for surfaces at that scale.
    FontInstance& AtScale(int factor);
    const FontMetrics& Metrics() const { return metrics; }
    const FontStyle& Style() const { return style; }
    int Height() const { return metrics.ascent + metrics.descent; }
    const std::string& Family() const { return family; }

  private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    Glyph Rasterise(std::uint32_t index);
    void ComputeMetrics();

    FT_FaceRec_* face;
    FT_SizeRec_* size = nullptr;
    FontStyle style;
    std::string family;
    FontMetrics metrics;
    std::unordered_map<char32_t, const Glyph*> glyphs;
    std::array<const Glyph*, 128> ascii{};
    std::unordered_map<std::uint32_t, Glyph> byIndex;
    std::unordered_map<std::uint32_t, std::int32_t> advances;
    std::unordered_map<std::string, ShapedText, TextHash, std::equal_to<>> shaped;
    ShapedText uncached; // the last text too long to keep
    hb_font_t* shaper = nullptr;
    const HarfBuzz* shaperLibrary = nullptr; // what made shaper
    std::array<FontInstance*, 4> scaled{};
};

} // namespace gfx
