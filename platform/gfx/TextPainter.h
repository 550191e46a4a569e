#pragma once
// Measures and draws one line of UTF-8 text in a realised font.
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontInstance.h"

#include <string_view>
#include <vector>

namespace gfx {

class TextPainter {
  public:
    TextPainter(FontInstance& realised, bool expand) : font(realised), expandTabs(expand) {}

    int Measure(std::string_view text) const;
    // The longest leading part, cut at a character boundary, that is at most maxWidth wide.
    std::size_t Fit(std::string_view text, int maxWidth) const;
    // Glyphs with their top-left cell corner at the logical point, in the DC's text colour;
    // underline flags the bytes whose character is underlined; dx gives per-byte advances.
    void Draw(Canvas& canvas, POINT topLeft, std::string_view text,
              const std::vector<bool>* underline = nullptr, const INT* dx = nullptr) const;
    FontInstance& Font() const { return font; }

  private:
    // Calls f(byteBegin, byteEnd, glyph, penX) for each character; returns the end pen x.
    template <class F> int Walk(std::string_view text, const INT* dx, F f) const;

    FontInstance& font;
    bool expandTabs;
};

} // namespace gfx
