#pragma once
// A font file read through pread instead of mapped whole: only the tables FreeType asks for
// are copied into memory, and a file that shrinks while open gives read errors, not a fault.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace gfx {

class FontFileStream {
  public:
    // Opens a regular file; Valid() is false for anything else or when it cannot be read.
    explicit FontFileStream(const std::string& path);
    ~FontFileStream();
    FontFileStream(const FontFileStream&) = delete;
    FontFileStream& operator=(const FontFileStream&) = delete;

    bool Valid() const { return stream.descriptor.value >= 0; }
    // For FT_Open_Face; FreeType closes the file through it when the face goes.
    FT_Open_Args Args();

  private:
    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count);
    static void Close(FT_Stream stream);

    FT_StreamRec stream{};
};

} // namespace gfx
