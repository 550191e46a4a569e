#include "platform/gfx/FontFileStream.h"

namespace gfx {

namespace {

// Far above any font installed, still a bound for a hostile file.
constexpr std::uint64_t MaxFontBytes = 1ULL << 30;

} // namespace

FontFileStream::FontFileStream(const std::string& path)
    : file(qvsql::RegularFile::Open(path.c_str(), MaxFontBytes)) {
    if (file && file->Stamp().size == 0) {
        file.reset();
    }
    if (!file) {
        return;
    }
    stream.size = static_cast<unsigned long>(file->Stamp().size);
    stream.descriptor.pointer = this;
    stream.read = &FontFileStream::Read;
    stream.close = &FontFileStream::Close;
}

FT_Open_Args FontFileStream::Args() {
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &stream;
    return args;
}

// A count of 0 is a seek: 0 when the offset lies within the file.
unsigned long FontFileStream::Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                                   unsigned long count) {
    if (count == 0) {
        return offset <= stream->size ? 0 : 1;
    }
    const auto* self = static_cast<const FontFileStream*>(stream->descriptor.pointer);
    return self->file ? self->file->ReadAt(offset, reinterpret_cast<char*>(buffer), count) : 0;
}

void FontFileStream::Close(FT_Stream stream) {
    static_cast<FontFileStream*>(stream->descriptor.pointer)->file.reset();
}

} // namespace gfx
