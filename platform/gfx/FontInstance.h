#pragma once
// One realised font: a face at a pixel size with its style, its metrics and its glyph cache.
// Glyphs are rasterised once per code point and kept as 8-bit coverage.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace gfx {

struct Glyph {
    int left = 0; // from the pen position to the bitmap's left edge
    int top = 0;  // from the baseline up to the bitmap's top edge
    int width = 0;
    int height = 0;
    int advance = 0;
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
    const FontMetrics& Metrics() const { return metrics; }
    const FontStyle& Style() const { return style; }
    int Height() const { return metrics.ascent + metrics.descent; }
    const std::string& Family() const { return family; }

  private:
    Glyph Rasterise(char32_t codePoint);
    void ComputeMetrics();

    FT_FaceRec_* face;
    FT_SizeRec_* size = nullptr;
    FontStyle style;
    std::string family;
    FontMetrics metrics;
    std::unordered_map<char32_t, Glyph> glyphs;
    std::array<const Glyph*, 128> ascii{};
};

} // namespace gfx
