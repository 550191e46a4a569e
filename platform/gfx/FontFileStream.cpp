#include "platform/gfx/FontFileStream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gfx {

FontFileStream::FontFileStream(const std::string& path) {
    // Non-blocking, so that a FIFO put where a font was expected cannot stall the open.
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat info {};
    stream.descriptor.value = -1;
    if (file < 0) {
        return;
    }
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
        close(file);
        return;
    }
    stream.descriptor.value = file;
    stream.size = static_cast<unsigned long>(info.st_size);
    stream.read = &FontFileStream::Read;
    stream.close = &FontFileStream::Close;
}

FontFileStream::~FontFileStream() {
    Close(&stream);
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
    const int file = static_cast<int>(stream->descriptor.value);
    unsigned long done = 0;
    while (file >= 0 && done < count) {
        const ssize_t got =
            pread(file, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += static_cast<unsigned long>(got);
    }
    return done;
}

void FontFileStream::Close(FT_Stream stream) {
    const int file = static_cast<int>(stream->descriptor.value);
    if (file >= 0) {
        close(file);
    }
    stream->descriptor.value = -1;
}

} // namespace gfx
