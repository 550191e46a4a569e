#include "platform/gfx/FontInstance.h"

#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/HarfBuzz.h"
#include "platform/gfx/TextShaper.h"

#include <ft2build.h>
#include FT_ADVANCES_H
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

// Outlines only (no embedded bitmaps), hinted: for rasterising, advances and shaping alike.
constexpr FT_Int32 LoadFlags = FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP;

int Scale(long units, int pixelSize, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(units) * pixelSize / unitsPerEm));
}

void CopyCoverage(const FT_Bitmap& bitmap, Glyph& glyph) {
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
            const std::uint8_t value = mono ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
            glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = value;
        }
    }
}

} // namespace

FontInstance::FontInstance(FT_Face f, const FontStyle& s, std::string familyName)
    : face(f), style(s), family(std::move(familyName)) {
    if (face && FT_New_Size(face, &size) == 0) {
        FT_Activate_Size(size);
        if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(style.pixelWidth),
                               static_cast<FT_UInt>(style.pixelSize)) != 0) {
            FT_Done_Size(size);
            size = nullptr;
        }
    }
    if (!size) {
        face = nullptr;
    }
    ComputeMetrics();
}

FontInstance::~FontInstance() {
    if (shaper) {
        shaperLibrary->font_destroy(shaper);
    }
    if (size) {
        FT_Done_Size(size);
    }
}

// Windows-style metrics: ascent and descent from the OS/2 "win" values, leading from hhea.
void FontInstance::ComputeMetrics() {
    const int px = style.pixelSize;
    if (!face) {
        metrics.ascent = px - px / 5;
        metrics.descent = px / 5 + 1;
        metrics.aveCharWidth = std::max(1, px / 2);
        metrics.maxCharWidth = std::max(1, px);
        return;
    }
    const int upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const long winAscent = os2 ? os2->usWinAscent : face->ascender;
    const long winDescent = os2 ? os2->usWinDescent : -face->descender;
    metrics.ascent = Scale(winAscent, px, upem);
    metrics.descent = Scale(winDescent, px, upem);
    metrics.internalLeading = std::max(0, metrics.ascent + metrics.descent - px);
    if (hhea) {
        const long gap =
            hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
        metrics.externalLeading = std::max(0, Scale(gap, px, upem));
    }
    const int wide = style.pixelWidth > 0 ? style.pixelWidth : px;
    metrics.aveCharWidth = os2 && os2->xAvgCharWidth > 0 ? Scale(os2->xAvgCharWidth, wide, upem)
                                                         : GlyphFor(U'x').advance;
    metrics.aveCharWidth = std::max(1, metrics.aveCharWidth);
    metrics.maxCharWidth = std::max(1, Scale(face->max_advance_width, wide, upem));
    metrics.underlineOffset = std::max(1, Scale(-face->underline_position, px, upem));
    metrics.lineThickness = std::max(1, Scale(face->underline_thickness, px, upem));
}

const Glyph& FontInstance::GlyphFor(char32_t codePoint) {
    if (codePoint < ascii.size() && ascii[codePoint]) {
        return *ascii[codePoint];
    }
    auto found = glyphs.find(codePoint);
    if (found == glyphs.end()) {
        found = glyphs.emplace(codePoint, &GlyphAt(Index(codePoint))).first;
    }
    if (codePoint < ascii.size()) {
        ascii[codePoint] = found->second;
    }
    return *found->second;
}

const Glyph& FontInstance::GlyphAt(std::uint32_t index) {
    auto found = byIndex.find(index);
    if (found == byIndex.end()) {
        found = byIndex.emplace(index, Rasterise(index)).first;
    }
    return found->second;
}

std::uint32_t FontInstance::Index(char32_t codePoint) const {
    return face ? FT_Get_Char_Index(face, codePoint) : 0;
}

std::int32_t FontInstance::Advance(std::uint32_t index) {
    if (!face) {
        return GlyphAt(0).advance * 64;
    }
    auto found = advances.find(index);
    if (found == advances.end()) {
        FT_Activate_Size(size);
        FT_Fixed advance = 0; // 16.16 pixels
        FT_Get_Advance(face, index, LoadFlags, &advance);
        found = advances.emplace(index, static_cast<std::int32_t>((advance + 512) >> 10)).first;
    }
    return found->second;
}

const ShapedText& FontInstance::Shaped(std::string_view text) {
    constexpr std::size_t MaxCached = 1024;
    constexpr std::size_t MaxCachedLength = 512;
    auto found = shaped.find(text);
    if (found != shaped.end()) {
        return found->second;
    }
    if (text.size() > MaxCachedLength) {
        uncached = TextShaper(*this).Shape(text);
        return uncached;
    }
    if (shaped.size() >= MaxCached) {
        shaped.clear();
    }
    return shaped.emplace(std::string(text), TextShaper(*this).Shape(text)).first->second;
}

FontInstance& FontInstance::AtScale(int factor) {
    if (factor <= 1 || factor >= static_cast<int>(scaled.size())) {
        return *this;
    }
    FontInstance*& slot = scaled[static_cast<std::size_t>(factor)];
    if (!slot) {
        slot = &FontLibrary::Instance().Scaled(*this, factor);
    }
    return *slot;
}

hb_font_t* FontInstance::Shaper(const HarfBuzz& hb) {
    if (!face) {
        return nullptr;
    }
    FT_Activate_Size(size);
    if (!shaper) {
        shaper = hb.ft_font_create(face, nullptr);
        shaperLibrary = &hb;
        hb.ft_font_set_load_flags(shaper, LoadFlags);
    }
    return shaper;
}

Glyph FontInstance::Rasterise(std::uint32_t index) {
    Glyph glyph;
    glyph.index = index;
    glyph.advance = std::max(1, style.pixelSize / 2);
    if (!face) {
        return glyph;
    }
    FT_Activate_Size(size);
    if (FT_Load_Glyph(face, index, LoadFlags) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face->glyph;
    if (style.italic) {
        FT_GlyphSlot_Oblique(slot);
    }
    if (style.bold) {
        FT_GlyphSlot_Embolden(slot);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    CopyCoverage(slot->bitmap, glyph);
    return glyph;
}

} // namespace gfx
