#pragma once
// A font file read through pread instead of mapped whole: only the tables FreeType asks for
// are copied into memory, and a file that shrinks while open gives read errors, not a fault.
#include "platform/sys/RegularFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

namespace gfx {

class FontFileStream {
  public:
    // Opens a regular file with content; Valid() is false for anything else.
    explicit FontFileStream(const std::string& path);
    FontFileStream(const FontFileStream&) = delete;
    FontFileStream& operator=(const FontFileStream&) = delete;

    bool Valid() const { return file.has_value(); }
    // For FT_Open_Face; FreeType closes the file through it when the face goes.
    FT_Open_Args Args();

  private:
    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count);
    static void Close(FT_Stream stream);

    std::optional<qvsql::RegularFile> file;
    FT_StreamRec stream{};
};

} // namespace gfx
