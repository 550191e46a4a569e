#pragma once
// Measures and draws one line of UTF-8 text in a realised font. Plain ASCII goes glyph by
// glyph through the font's cache; other text is shaped (fallback faces, bidi order,
// HarfBuzz) once and kept in the font's cache of shaped texts.
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontInstance.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace gfx {

class TextPainter {
  public:
    TextPainter(FontInstance& realised, bool expand) : font(realised), expandTabs(expand) {}

    int Measure(std::string_view text) const;
    // The longest leading part, cut at a cluster boundary, that is at most maxWidth wide.
    std::size_t Fit(std::string_view text, int maxWidth) const;
    // Glyphs with their top-left cell corner at the logical point, in the DC's text colour;
    // underline flags the bytes whose character is underlined; dx gives per-byte advances.
    void Draw(Canvas& canvas, POINT topLeft, std::string_view text,
              const std::vector<bool>* underline = nullptr, const INT* dx = nullptr) const;
    FontInstance& Font() const { return font; }
    // Glyphs drawn as the missing-glyph box since the process started.
    static std::uint64_t MissingGlyphsDrawn();

  private:
    struct Pen;
    // ASCII: calls f(byte, glyph, penX, tab) per character; returns the end x.
    template <class F> int Walk(std::string_view text, const INT* dx, F f) const;
    // Other text: calls f(offset, piece, x) per stretch between tab stops; returns the end x.
    template <class F> int Pieces(std::string_view text, F f) const;
    int DrawAscii(Pen& pen, std::string_view text, const INT* dx) const;
    int DrawShaped(Pen& pen, std::string_view text, const INT* dx) const;
    void DrawPiece(Pen& pen, std::size_t offset, const ShapedText& shaped, int x,
                   const INT* dx) const;

    FontInstance& font;
    bool expandTabs;
};

} // namespace gfx
