#pragma once
// Resolves logical fonts to font files through fontconfig and realises them with FreeType.
// Faces and realised fonts live until Shutdown.
#include "platform/base/GdiTypes.h"
#include "platform/gfx/FontInstance.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

struct FT_LibraryRec_;
struct _FcConfig;
struct _FcCharSet;

namespace gfx {

class FontFileStream;

class FontLibrary {
  public:
    static FontLibrary& Instance();
    // Closes every face and the font configuration; realised fonts become invalid.
    static void Shutdown();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    FontInstance& Realize(const LOGFONTA& log);
    // A face that has the character, in the primary font's size and style: the first of
    // fontconfig's candidates for the primary family whose character set holds it; null
    // when no installed face has it. Choices are cached.
    FontInstance* Fallback(const FontInstance& primary, char32_t codePoint);
    // The same face and style rasterised factor times as large.
    FontInstance& Scaled(const FontInstance& font, int factor);

    struct Substitution {
        std::string family;
        int widthPercent = 100; // glyph width against the em height
    };

  private:
    struct FaceFile {
        std::string path;
        int index = 0;
        std::string family;
        bool bold = false;
        bool italic = false;
    };
    struct OpenFace {
        FT_FaceRec_* face = nullptr;
        FaceFile file;
        int widthPercent = 100;
    };

    struct Candidate {
        FaceFile file;
        _FcCharSet* charset = nullptr;
    };

    FontLibrary();
    ~FontLibrary();
    const std::vector<Candidate>& Candidates(const FontInstance& primary);
    FontInstance& Instance(FT_FaceRec_* face, const FontStyle& style, const std::string& family);
    const OpenFace& Face(const std::string& name, bool bold, bool italic);
    FaceFile Match(const std::string& family, bool bold, bool italic) const;
    FT_FaceRec_* Open(const FaceFile& file);
    int PixelSize(const LOGFONTA& log, FT_FaceRec_* face) const;

    FT_LibraryRec_* library = nullptr;
    // A configuration of our own, so that closing it leaves a host's use of fontconfig alone.
    _FcConfig* config = nullptr;
    std::map<std::tuple<std::string, bool, bool>, OpenFace> faces;
    std::map<std::tuple<std::string, int>, FT_FaceRec_*> files;
    std::vector<std::unique_ptr<FontFileStream>> streams; // one per open face, closed after it
    using InstanceKey = std::tuple<FT_FaceRec_*, int, int, bool, bool, bool, bool, std::string>;
    std::map<InstanceKey, std::unique_ptr<FontInstance>> instances;
    std::map<std::tuple<std::string, bool, bool>, std::vector<Candidate>> candidates;
    std::map<std::pair<const FontInstance*, char32_t>, FontInstance*> fallbacks;
};

} // namespace gfx
