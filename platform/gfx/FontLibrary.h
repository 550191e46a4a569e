#pragma once
// Resolves logical fonts to font files through fontconfig and realises them with FreeType.
// Faces and realised fonts live until Shutdown.
#include "platform/base/GdiTypes.h"
#include "platform/gfx/FontInstance.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

struct FT_LibraryRec_;
struct _FcConfig;

namespace gfx {

class FontLibrary {
  public:
    static FontLibrary& Instance();
    // Closes every face and the font configuration; realised fonts become invalid.
    static void Shutdown();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    FontInstance& Realize(const LOGFONTA& log);

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

    FontLibrary();
    ~FontLibrary();
    const OpenFace& Face(const std::string& name, bool bold, bool italic);
    FaceFile Match(const std::string& family, bool bold, bool italic) const;
    FT_FaceRec_* Open(const FaceFile& file);
    int PixelSize(const LOGFONTA& log, FT_FaceRec_* face) const;

    FT_LibraryRec_* library = nullptr;
    // A configuration of our own, so that closing it leaves a host's use of fontconfig alone.
    _FcConfig* config = nullptr;
    std::map<std::tuple<std::string, bool, bool>, OpenFace> faces;
    std::map<std::tuple<std::string, int>, FT_FaceRec_*> files;
    using InstanceKey = std::tuple<FT_FaceRec_*, int, int, bool, bool, bool, bool, std::string>;
    std::map<InstanceKey, std::unique_ptr<FontInstance>> instances;
};

} // namespace gfx
