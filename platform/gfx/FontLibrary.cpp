#include "platform/gfx/FontLibrary.h"

#include "platform/gfx/FontFileStream.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace gfx {

namespace {

constexpr const char* DefaultFamily = "DejaVu Sans";
constexpr const char* DefaultFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Arial metrics, much narrower than DejaVu Sans, which is only the fallback.
constexpr const char* DialogFamily = "Liberation Sans";
// The bitmap dialog faces are about a tenth narrower than Arial at the same height; without
// that the labels of templates laid out for them wrap.
constexpr int BitmapFaceWidthPercent = 91;
constexpr int DefaultPixelSize = 11;
constexpr int MaxPixelSize = 1000;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// The classic Windows user-interface faces all end up at one Arial-like face (or, without it,
// at the one face every machine has), so layouts do not depend on other look-alikes.
FontLibrary::Substitution Substitute(const std::string& name) {
    static const char* const bitmapFaces[] = {"ms sans serif", "ms shell dlg", "ms shell dlg 2",
                                              "microsoft sans serif"};
    static const char* const windowsFaces[] = {"", "tahoma", "system", "segoe ui", "arial"};
    static const char* const fixedFaces[] = {"courier", "courier new", "fixedsys", "terminal"};
    const std::string lower = Lower(name);
    const auto listed = [&lower](const auto& faces) {
        return std::find(std::begin(faces), std::end(faces), lower) != std::end(faces);
    };
    if (listed(bitmapFaces)) {
        return {DialogFamily, BitmapFaceWidthPercent};
    }
    if (listed(windowsFaces)) {
        return {DialogFamily, 100};
    }
    return {listed(fixedFaces) ? "DejaVu Sans Mono" : name, 100};
}

std::string PatternString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch && value
               ? std::string(reinterpret_cast<const char*>(value))
               : std::string();
}

// Not a static object: realised fonts must outlive every static object that draws.
FontLibrary* fonts = nullptr;

} // namespace

FontLibrary& FontLibrary::Instance() {
    if (!fonts) {
        fonts = new FontLibrary;
    }
    return *fonts;
}

void FontLibrary::Shutdown() {
    delete std::exchange(fonts, nullptr);
}

FontLibrary::FontLibrary() : config(FcInitLoadConfigAndFonts()) {
    if (FT_Init_FreeType(&library) != 0) {
        library = nullptr;
    }
}

FontLibrary::~FontLibrary() {
    instances.clear();
    for (const auto& [key, list] : candidates) {
        for (const Candidate& c : list) {
            FcCharSetDestroy(c.charset);
        }
    }
    for (const auto& [key, face] : files) {
        if (face) {
            FT_Done_Face(face);
        }
    }
    if (library) {
        FT_Done_FreeType(library);
    }
    if (config) {
        FcConfigDestroy(config);
    }
}

FontLibrary::FaceFile FontLibrary::Match(const std::string& family, bool bold, bool italic) const {
    FaceFile file{DefaultFile, 0, DefaultFamily, false, false};
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) {
        return file;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) {
        return file;
    }
    const std::string path = PatternString(match, FC_FILE);
    if (!path.empty()) {
        int index = 0;
        int weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        file = {path, index, PatternString(match, FC_FAMILY), weight >= FC_WEIGHT_DEMIBOLD,
                slant != FC_SLANT_ROMAN};
    }
    FcPatternDestroy(match);
    return file;
}

FT_Face FontLibrary::Open(const FaceFile& file) {
    const auto key = std::make_tuple(file.path, file.index);
    const auto found = files.find(key);
    if (found != files.end()) {
        return found->second;
    }
    FT_Face face = nullptr;
    auto stream = std::make_unique<FontFileStream>(file.path);
    FT_Open_Args args = stream->Args();
    if (!library || !stream->Valid() || FT_Open_Face(library, &args, file.index, &face) != 0 ||
        !FT_IS_SCALABLE(face)) {
        if (face) {
            FT_Done_Face(face);
        }
        face = nullptr;
    }
    if (face) {
        streams.push_back(std::move(stream));
    }
    files[key] = face;
    return face;
}

const FontLibrary::OpenFace& FontLibrary::Face(const std::string& name, bool bold, bool italic) {
    const auto key = std::make_tuple(Lower(name), bold, italic);
    const auto found = faces.find(key);
    if (found != faces.end()) {
        return found->second;
    }
    const Substitution substitute = Substitute(name);
    OpenFace open{nullptr, Match(substitute.family, bold, italic), substitute.widthPercent};
    if (substitute.family == DialogFamily && Lower(open.file.family) != Lower(DialogFamily)) {
        open.file = Match(DefaultFamily, bold, italic);
    }
    open.face = Open(open.file);
    if (!open.face) {
        open.file = FaceFile{DefaultFile, 0, DefaultFamily, false, false};
        open.face = Open(open.file);
    }
    return faces.emplace(key, open).first->second;
}

// Negative heights are em heights, positive ones cell heights (ascent + descent).
int FontLibrary::PixelSize(const LOGFONTA& log, FT_Face face) const {
    long size = log.lfHeight < 0 ? -static_cast<long>(log.lfHeight) : log.lfHeight;
    if (log.lfHeight == 0) {
        size = DefaultPixelSize;
    } else if (log.lfHeight > 0 && face) {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const long cell =
            os2 ? os2->usWinAscent + os2->usWinDescent : face->ascender - face->descender;
        if (cell > 0) {
            size = std::lround(static_cast<double>(log.lfHeight) * face->units_per_EM /
                               static_cast<double>(cell));
        }
    }
    return static_cast<int>(std::clamp<long>(size, 1, MaxPixelSize));
}

FontInstance& FontLibrary::Realize(const LOGFONTA& log) {
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, log.lfFaceName, LF_FACESIZE);
    const bool bold = log.lfWeight >= FW_SEMIBOLD;
    const bool italic = log.lfItalic != 0;
    const OpenFace& open = Face(name, bold, italic);
    FontStyle style;
    style.pixelSize = PixelSize(log, open.face);
    style.pixelWidth = std::max(1, style.pixelSize * open.widthPercent / 100);
    style.bold = bold && !open.file.bold;
    style.italic = italic && !open.file.italic;
    style.underline = log.lfUnderline != 0;
    style.strikeOut = log.lfStrikeOut != 0;
    style.weight = bold ? FW_BOLD : FW_NORMAL;
    return Instance(open.face, style, open.file.family);
}

FontInstance& FontLibrary::Instance(FT_Face face, const FontStyle& style,
                                    const std::string& family) {
    const InstanceKey key{face,         style.pixelSize, style.pixelWidth, style.bold,
                          style.italic, style.underline, style.strikeOut,  family};
    auto& instance = instances[key];
    if (!instance) {
        instance = std::make_unique<FontInstance>(face, style, family);
    }
    return *instance;
}

FontInstance& FontLibrary::Scaled(const FontInstance& font, int factor) {
    FontStyle style = font.Style();
    style.pixelSize *= factor;
    style.pixelWidth *= factor;
    return Instance(font.Face(), style, font.Family());
}

// fontconfig's ordered list for the primary family and style, with each face's character set.
const std::vector<FontLibrary::Candidate>& FontLibrary::Candidates(const FontInstance& primary) {
    const bool bold = primary.Style().weight >= FW_SEMIBOLD;
    const bool italic = primary.Style().italic;
    auto [slot, added] = candidates.try_emplace({primary.Family(), bold, italic});
    FcPattern* pattern = added ? FcPatternCreate() : nullptr;
    if (!pattern) {
        return slot->second;
    }
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(primary.Family().c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcCharSet* charset = nullptr;
        const std::string path = PatternString(set->fonts[i], FC_FILE);
        if (path.empty() ||
            FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) {
            continue;
        }
        int index = 0;
        int weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        FcPatternGetInteger(set->fonts[i], FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(set->fonts[i], FC_SLANT, 0, &slant);
        const FaceFile file{path, index, PatternString(set->fonts[i], FC_FAMILY),
                            weight >= FC_WEIGHT_DEMIBOLD, slant != FC_SLANT_ROMAN};
        slot->second.push_back(Candidate{file, FcCharSetCopy(charset)});
    }
    if (set) {
        FcFontSetDestroy(set);
    }
    return slot->second;
}

FontInstance* FontLibrary::Fallback(const FontInstance& primary, char32_t codePoint) {
    const auto key = std::make_pair(&primary, codePoint);
    const auto found = fallbacks.find(key);
    if (found != fallbacks.end()) {
        return found->second;
    }
    FontInstance* chosen = nullptr;
    for (const Candidate& c : Candidates(primary)) {
        FT_Face face = FcCharSetHasChar(c.charset, codePoint) ? Open(c.file) : nullptr;
        if (face && FT_Get_Char_Index(face, codePoint) != 0) {
            FontStyle style = primary.Style();
            style.bold = style.weight >= FW_SEMIBOLD && !c.file.bold;
            style.italic = style.italic && !c.file.italic;
            chosen = &Instance(face, style, c.file.family);
            break;
        }
    }
    fallbacks.emplace(key, chosen);
    return chosen;
}

} // namespace gfx

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QVSQL_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QVSQL_ADDRESS_SANITIZER)
// fontconfig loses a few bytes while parsing its own configuration files; that is not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
