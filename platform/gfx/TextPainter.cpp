#include "platform/gfx/TextPainter.h"

#include "platform/sys/Utf8.h"

namespace gfx {

template <class F> int TextPainter::Walk(std::string_view text, const INT* dx, F f) const {
    const int tabWidth = 8 * font.Metrics().aveCharWidth;
    int x = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t begin = pos;
        const char32_t cp = DecodeUtf8(text, pos);
        const bool tab = cp == U'\t' && expandTabs;
        const Glyph& glyph = font.GlyphFor(tab ? U' ' : cp);
        f(begin, pos, glyph, x, tab);
        if (dx) {
            for (std::size_t i = begin; i < pos; ++i) {
                x += dx[i];
            }
        } else if (tab) {
            x = (x / tabWidth + 1) * tabWidth;
        } else {
            x += glyph.advance;
        }
    }
    return x;
}

int TextPainter::Measure(std::string_view text) const {
    return Walk(text, nullptr, [](std::size_t, std::size_t, const Glyph&, int, bool) {});
}

std::size_t TextPainter::Fit(std::string_view text, int maxWidth) const {
    std::size_t fits = 0;
    int x = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = DecodeUtf8(text, pos);
        // Tab widths depend on the position, so measure the prefix as a whole then.
        x = cp == U'\t' ? Measure(text.substr(0, pos)) : x + font.GlyphFor(cp).advance;
        if (x > maxWidth) {
            break;
        }
        fits = pos;
    }
    return fits;
}

void TextPainter::Draw(Canvas& canvas, POINT topLeft, std::string_view text,
                       const std::vector<bool>* underline, const INT* dx) const {
    if (!canvas) {
        return;
    }
    const POINT origin = canvas.ToSurface(topLeft);
    const FontMetrics& m = font.Metrics();
    const int baseline = origin.y + m.ascent;
    const std::uint32_t pixel = PixelFromColor(canvas.Dc().State().textColor);
    Raster& raster = canvas.Pixels();
    const int end =
        Walk(text, dx, [&](std::size_t begin, std::size_t, const Glyph& glyph, int x, bool tab) {
            if (!tab && !glyph.coverage.empty()) {
                raster.Blend(origin.x + x + glyph.left, baseline - glyph.top, glyph.width,
                             glyph.height, glyph.coverage.data(), pixel);
            }
            if (underline && begin < underline->size() && (*underline)[begin]) {
                const int y = baseline + m.underlineOffset;
                raster.Fill({origin.x + x, y, origin.x + x + glyph.advance, y + m.lineThickness},
                            pixel);
            }
        });
    if (font.Style().underline) {
        const int y = baseline + m.underlineOffset;
        raster.Fill({origin.x, y, origin.x + end, y + m.lineThickness}, pixel);
    }
    if (font.Style().strikeOut) {
        const int y = baseline - m.ascent / 3;
        raster.Fill({origin.x, y, origin.x + end, y + m.lineThickness}, pixel);
    }
}

} // namespace gfx
