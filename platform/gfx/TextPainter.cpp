#include "platform/gfx/TextPainter.h"

#include "platform/sys/Utf8.h"

#include <algorithm>

namespace gfx {

namespace {

std::uint64_t missingGlyphs = 0;

bool PlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int Pixels(std::int32_t sixtyFourths) {
    return (sixtyFourths + 32) >> 6;
}

} // namespace

// What one Draw call needs at every glyph. Positions are logical, relative to the origin;
// glyphs come from the font rasterised at the surface's scale.
struct TextPainter::Pen {
    Raster& raster;
    POINT origin; // logical surface pixels
    int baseline; // logical surface pixels
    std::uint32_t pixel;
    const FontMetrics& metrics;
    const std::vector<bool>* underline;
    int scale;

    // x and up in 1/64 logical pixel.
    void Glyph(const gfx::Glyph& glyph, std::int32_t x, std::int32_t up) {
        if (glyph.index == 0) {
            ++missingGlyphs;
        }
        if (!glyph.coverage.empty()) {
            raster.Blend(origin.x * scale + Pixels(x * scale) + glyph.left,
                         baseline * scale - Pixels(up * scale) - glyph.top, glyph.width,
                         glyph.height, glyph.coverage.data(), pixel);
        }
    }
    void Underline(std::size_t byte, int x, int width) {
        if (underline && byte < underline->size() && (*underline)[byte]) {
            Line(x, width, baseline + metrics.underlineOffset);
        }
    }
    void Line(int x, int width, int y) {
        raster.Fill({origin.x + x, y, origin.x + x + width, y + metrics.lineThickness}, pixel);
    }
};

std::uint64_t TextPainter::MissingGlyphsDrawn() {
    return missingGlyphs;
}

template <class F> int TextPainter::Walk(std::string_view text, const INT* dx, F f) const {
    const int tabWidth = 8 * font.Metrics().aveCharWidth;
    int x = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const bool tab = c == '\t' && expandTabs;
        const gfx::Glyph& glyph = font.GlyphFor(tab ? U' ' : static_cast<char32_t>(c));
        f(pos, glyph, x, tab);
        if (dx) {
            x += dx[pos];
        } else if (tab) {
            x = (x / tabWidth + 1) * tabWidth;
        } else {
            x += glyph.advance;
        }
    }
    return x;
}

template <class F> int TextPainter::Pieces(std::string_view text, F f) const {
    const int tabWidth = 8 * font.Metrics().aveCharWidth;
    int x = 0;
    std::size_t begin = 0;
    while (true) {
        const std::size_t tab = expandTabs ? text.find('\t', begin) : std::string_view::npos;
        const std::string_view piece = text.substr(begin, tab - begin);
        x += f(begin, piece, x);
        if (tab == std::string_view::npos) {
            return x;
        }
        x = (x / tabWidth + 1) * tabWidth;
        begin = tab + 1;
    }
}

int TextPainter::Measure(std::string_view text) const {
    if (PlainAscii(text)) {
        return Walk(text, nullptr, [](std::size_t, const gfx::Glyph&, int, bool) {});
    }
    return Pieces(text, [this](std::size_t, std::string_view piece, int) {
        return font.Shaped(piece).Width();
    });
}

// The prefix up to a character fits when the pen there is within the width.
std::size_t TextPainter::Fit(std::string_view text, int maxWidth) const {
    std::size_t fits = 0;
    if (PlainAscii(text)) {
        const int end = Walk(text, nullptr, [&](std::size_t pos, const gfx::Glyph&, int x, bool) {
            fits = x <= maxWidth ? pos : fits;
        });
        return end <= maxWidth ? text.size() : fits;
    }
    bool full = true;
    Pieces(text, [&](std::size_t offset, std::string_view piece, int x) {
        const ShapedText& shaped = font.Shaped(piece);
        full = full && x <= maxWidth;
        fits = full ? offset : fits;
        std::int32_t pen = x * 64;
        for (std::size_t k = 0; full && k < shaped.clusters.size(); ++k) {
            pen += shaped.clusters[k].advance;
            full = Pixels(pen) <= maxWidth;
            const bool last = k + 1 == shaped.clusters.size();
            fits = full ? offset + (last ? piece.size() : shaped.clusters[k + 1].byte) : fits;
        }
        return shaped.Width();
    });
    return fits;
}

void TextPainter::Draw(Canvas& canvas, POINT topLeft, std::string_view text,
                       const std::vector<bool>* underline, const INT* dx) const {
    if (!canvas) {
        return;
    }
    const POINT origin = canvas.ToSurface(topLeft);
    const FontMetrics& m = font.Metrics();
    Pen pen{canvas.Pixels(),
            origin,
            origin.y + m.ascent,
            PixelFromColor(canvas.Dc().State().textColor),
            m,
            underline,
            canvas.Scale()};
    const int end = PlainAscii(text) ? DrawAscii(pen, text, dx) : DrawShaped(pen, text, dx);
    if (font.Style().underline) {
        pen.Line(0, end, pen.baseline + m.underlineOffset);
    }
    if (font.Style().strikeOut) {
        pen.Line(0, end, pen.baseline - m.ascent / 3);
    }
}

int TextPainter::DrawAscii(Pen& pen, std::string_view text, const INT* dx) const {
    FontInstance& raster = font.AtScale(pen.scale);
    return Walk(text, dx, [&](std::size_t pos, const gfx::Glyph& glyph, int x, bool tab) {
        if (!tab) {
            pen.Glyph(pen.scale == 1 ? glyph : raster.GlyphFor(static_cast<char32_t>(text[pos])),
                      x * 64, 0);
        }
        pen.Underline(pos, x, glyph.advance);
    });
}

int TextPainter::DrawShaped(Pen& pen, std::string_view text, const INT* dx) const {
    return Pieces(text, [&](std::size_t offset, std::string_view piece, int x) {
        const ShapedText& shaped = font.Shaped(piece);
        DrawPiece(pen, offset, shaped, x, dx);
        return shaped.Width();
    });
}

// With per-byte advances each cluster starts where the advances before its first byte end.
void TextPainter::DrawPiece(Pen& pen, std::size_t offset, const ShapedText& shaped, int x,
                            const INT* dx) const {
    std::int32_t clusterStart = 0;
    std::uint32_t cluster = UINT32_MAX;
    int dxBefore = 0;
    for (const PlacedGlyph& g : shaped.glyphs) {
        if (dx && g.cluster != cluster) {
            cluster = g.cluster;
            clusterStart = g.x;
            dxBefore = 0;
            for (std::size_t i = 0; i < offset + cluster; ++i) {
                dxBefore += dx[i];
            }
        }
        const std::int32_t left = dx ? dxBefore * 64 + g.x - clusterStart : x * 64 + g.x;
        pen.Glyph(g.font->AtScale(pen.scale).GlyphAt(g.index), left, g.y);
        pen.Underline(offset + g.cluster, Pixels(left), Pixels(g.advance));
    }
}

} // namespace gfx
