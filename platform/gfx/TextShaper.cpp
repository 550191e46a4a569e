#include "platform/gfx/TextShaper.h"

#include "platform/gfx/FontInstance.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/HarfBuzz.h"
#include "platform/gfx/SimpleScript.h"
#include "platform/sys/Utf8.h"

#include <fribidi.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace gfx {

namespace {

bool NeedsBidi(FriBidiCharType type) {
    return FRIBIDI_IS_RTL(type) || FRIBIDI_IS_EXPLICIT(type) || FRIBIDI_IS_ISOLATE(type) ||
           type == FRIBIDI_TYPE_AN;
}

bool Neutral(hb_script_t script) {
    return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
           script == HB_SCRIPT_UNKNOWN;
}

bool UnshapedScript(hb_script_t script) {
    return Neutral(script) || script == HB_SCRIPT_LATIN || script == HB_SCRIPT_GREEK ||
           script == HB_SCRIPT_COPTIC || script == HB_SCRIPT_CYRILLIC;
}

// Without HarfBuzz's Unicode data, characters outside the simple scripts count as letters.
bool Format(const HarfBuzz* hb, std::uint32_t cp) {
    return hb && !IsSimpleCodePoint(cp) && hb->Category(cp) == HB_UNICODE_GENERAL_CATEGORY_FORMAT;
}

bool Control(std::uint32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}

// Marks, spaces, digits and punctuation stay in the face of the run around them.
bool Sticky(const HarfBuzz* hb, std::uint32_t cp) {
    if (IsSimpleCodePoint(cp)) {
        return IsNeutralSimple(cp);
    }
    if (!hb) {
        return false;
    }
    switch (hb->Category(cp)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
        return true;
    default:
        return Neutral(hb->Script(cp));
    }
}

} // namespace

ShapedText TextShaper::Shape(std::string_view text) {
    ShapedText out;
    hb = nullptr;
    Decode(text);
    if (codes.empty()) {
        return out;
    }
    ResolveLevels();
    if (layout == Layout::Shaped || !LayOutDirectly(out)) {
        ShapeRuns(out);
    }
    CollectClusters(out);
    return out;
}

// Simple code points, left to right, each in a face that has it: HarfBuzz would give each its
// nominal glyph at its own advance (kerning is off), so it is not asked.
bool TextShaper::LayOutDirectly(ShapedText& out) {
    std::vector<std::pair<FontInstance*, std::uint32_t>> placed(codes.size());
    FontInstance* current = nullptr;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (levels[i] != 0 || !IsSimpleCodePoint(codes[i])) {
            return false;
        }
        current = FontFor(i, current);
        const std::uint32_t index = current->Index(codes[i]);
        // HarfBuzz would decompose a missing letter, or stand a space in for a missing space;
        // a missing control character stays the missing glyph there as here.
        if (current->Face() && index == 0 && !Control(codes[i])) {
            return false;
        }
        placed[i] = {current, index};
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        PlaceNominal(placed[i].first, placed[i].second, i, out);
    }
    return true;
}

void TextShaper::PlaceNominal(FontInstance* font, std::uint32_t index, std::size_t i,
                              ShapedText& out) {
    const std::int32_t advance = font->Advance(index);
    out.glyphs.push_back(PlacedGlyph{font, index, out.width, 0, advance, bytes[i]});
    out.width += advance;
}

void TextShaper::ShapeRuns(ShapedText& out) {
    hb = layout == Layout::Unshaped ? nullptr : HarfBuzz::Get();
    Itemize();
    hb_buffer_t* buffer = hb ? hb->buffer_create() : nullptr;
    for (const std::size_t r : VisualOrder()) {
        ShapeRun(runs[r], buffer, out);
    }
    if (buffer) {
        hb->buffer_destroy(buffer);
    }
}

void TextShaper::Decode(std::string_view text) {
    codes.clear();
    bytes.clear();
    for (std::size_t pos = 0; pos < text.size();) {
        bytes.push_back(static_cast<std::uint32_t>(pos));
        codes.push_back(DecodeUtf8(text, pos));
    }
}

// Embedding levels after the line rules; all zero for text with nothing right-to-left.
void TextShaper::ResolveLevels() {
    const auto n = static_cast<FriBidiStrIndex>(codes.size());
    levels.assign(codes.size(), 0);
    std::vector<FriBidiCharType> types(codes.size());
    fribidi_get_bidi_types(codes.data(), n, types.data());
    if (std::none_of(types.begin(), types.end(), NeedsBidi)) {
        return;
    }
    std::vector<FriBidiBracketType> brackets(codes.size());
    fribidi_get_bracket_types(codes.data(), n, types.data(), brackets.data());
    FriBidiParType base = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &base,
                                            levels.data()) == 0 ||
        fribidi_reorder_line(FRIBIDI_FLAGS_DEFAULT, types.data(), n, 0, base, levels.data(),
                             nullptr, nullptr) == 0) {
        std::fill(levels.begin(), levels.end(), static_cast<signed char>(0));
    }
}

// Neutral characters take the script of the text before them, or else of the text after.
std::vector<int> TextShaper::ResolvedScripts() const {
    std::vector<int> scripts(codes.size());
    int last = HB_SCRIPT_COMMON;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const hb_script_t script = hb ? hb->Script(codes[i]) : HB_SCRIPT_UNKNOWN;
        last = Neutral(script) ? last : script;
        scripts[i] = last;
    }
    for (std::size_t i = codes.size(); i-- > 0;) {
        if (scripts[i] == HB_SCRIPT_COMMON && i + 1 < codes.size()) {
            scripts[i] = scripts[i + 1];
        }
    }
    return scripts;
}

FontInstance* TextShaper::FontFor(std::size_t i, FontInstance* current) const {
    const std::uint32_t cp = codes[i];
    if (current && (Format(hb, cp) || (Sticky(hb, cp) && current->Has(cp)))) {
        return current;
    }
    if (primary.Has(cp) || Format(hb, cp)) {
        return &primary;
    }
    FontInstance* fallback = FontLibrary::Instance().Fallback(primary, cp);
    return fallback ? fallback : current ? current : &primary;
}

void TextShaper::Itemize() {
    runs.clear();
    const std::vector<int> scripts = ResolvedScripts();
    FontInstance* current = nullptr;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        FontInstance* font = FontFor(i, current);
        const bool same = !runs.empty() && runs.back().level == levels[i] &&
                          runs.back().script == scripts[i] && runs.back().font == font;
        if (same) {
            runs.back().end = i + 1;
        } else {
            runs.push_back(Run{i, i + 1, levels[i], scripts[i], font});
        }
        current = font;
    }
}

// Runs in display order: from the highest level down to the lowest odd one, every stretch
// of runs at that level or above is reversed.
std::vector<std::size_t> TextShaper::VisualOrder() const {
    std::vector<std::size_t> order(runs.size());
    int highest = 0;
    int lowestOdd = INT_MAX;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        order[i] = i;
        highest = std::max(highest, runs[i].level);
        if (runs[i].level % 2 == 1) {
            lowestOdd = std::min(lowestOdd, runs[i].level);
        }
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (std::size_t i = 0; i < order.size();) {
            std::size_t end = i;
            while (end < order.size() && runs[order[end]].level >= level) {
                ++end;
            }
            std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i),
                         order.begin() + static_cast<std::ptrdiff_t>(end));
            i = end + 1;
        }
    }
    return order;
}

void TextShaper::ShapeRun(const Run& run, hb_buffer_t* buffer, ShapedText& out) {
    hb_font_t* font = hb ? run.font->Shaper(*hb) : nullptr;
    if (!font) {
        PlaceUnshaped(run, out);
        return;
    }
    hb->buffer_clear_contents(buffer);
    hb->buffer_add_utf32(buffer, codes.data(), static_cast<int>(codes.size()),
                         static_cast<unsigned>(run.begin), static_cast<int>(run.end - run.begin));
    hb->buffer_set_direction(buffer, run.level % 2 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    if (!Neutral(static_cast<hb_script_t>(run.script))) {
        hb->buffer_set_script(buffer, static_cast<hb_script_t>(run.script));
    }
    hb->buffer_guess_segment_properties(buffer);
    // Kerning off, and standard ligatures off in the scripts laid out directly: text with
    // accents then looks as plain ASCII text does, glyph for glyph.
    const hb_feature_t features[] = {{HB_TAG('k', 'e', 'r', 'n'), 0, 0, UINT_MAX},
                                     {HB_TAG('l', 'i', 'g', 'a'), 0, 0, UINT_MAX}};
    const auto script = static_cast<hb_script_t>(run.script);
    hb->shape(font, buffer, features, UnshapedScript(script) ? 2 : 1);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb->buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb->buffer_get_glyph_positions(buffer, &count);
    for (unsigned i = 0; i < count; ++i) {
        out.glyphs.push_back(PlacedGlyph{run.font, info[i].codepoint, out.width + pos[i].x_offset,
                                         pos[i].y_offset, pos[i].x_advance,
                                         bytes[info[i].cluster]});
        out.width += pos[i].x_advance;
    }
}

// Without HarfBuzz, or without a face (blank cells), each character its nominal glyph, right
// to left in a right-to-left run.
void TextShaper::PlaceUnshaped(const Run& run, ShapedText& out) {
    for (std::size_t k = run.begin; k < run.end; ++k) {
        const std::size_t i = run.level % 2 ? run.begin + run.end - 1 - k : k;
        PlaceNominal(run.font, run.font->Index(codes[i]), i, out);
    }
}

void TextShaper::CollectClusters(ShapedText& out) const {
    for (const PlacedGlyph& g : out.glyphs) {
        out.clusters.push_back(ClusterSpan{g.cluster, g.advance});
    }
    std::stable_sort(out.clusters.begin(), out.clusters.end(),
                     [](const ClusterSpan& a, const ClusterSpan& b) { return a.byte < b.byte; });
    std::vector<ClusterSpan> merged;
    for (const ClusterSpan& c : out.clusters) {
        if (!merged.empty() && merged.back().byte == c.byte) {
            merged.back().advance += c.advance;
        } else {
            merged.push_back(c);
        }
    }
    out.clusters = std::move(merged);
}

} // namespace gfx
