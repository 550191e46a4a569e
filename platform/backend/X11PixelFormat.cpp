#include "platform/backend/X11PixelFormat.h"

#include <X11/Xutil.h>

#include <bit>
#include <cstring>

namespace backend {

namespace {

constexpr int PreferredDepths[] = {24, 30, 16, 15};

int BitsPerPixelOf(Display* display, int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            bits = formats[i].bits_per_pixel;
        }
    }
    if (formats) {
        XFree(formats);
    }
    return bits;
}

} // namespace

X11PixelFormat::Channel X11PixelFormat::FromMask(unsigned long mask) {
    Channel c;
    if (mask != 0) {
        c.shift = std::countr_zero(mask);
        c.bits = std::popcount(mask);
    }
    return c;
}

// Narrower channels keep the high bits; wider ones repeat the high bits below (0xFF stays
// full white).
std::uint32_t X11PixelFormat::Channel::Place(std::uint32_t v) const {
    std::uint32_t scaled = 0;
    if (bits <= 8) {
        scaled = v >> (8 - bits);
    } else {
        scaled = (v << (bits - 8)) | (v >> (16 - bits));
    }
    return scaled << shift;
}

X11PixelFormat::X11PixelFormat(unsigned long r, unsigned long g, unsigned long b, int bpp)
    : red(FromMask(r)), green(FromMask(g)), blue(FromMask(b)), bytes(bpp / 8),
      identity(bpp == 32 && r == 0xFF0000 && g == 0x00FF00 && b == 0x0000FF) {}

bool X11PixelFormat::Choose(Display* display, XVisualInfo& visual, int& bitsPerPixel) {
    const int screen = DefaultScreen(display);
    for (int depth : PreferredDepths) {
        const int bits = BitsPerPixelOf(display, depth);
        if ((bits == 16 || bits == 24 || bits == 32) &&
            XMatchVisualInfo(display, screen, depth, TrueColor, &visual)) {
            bitsPerPixel = bits;
            return true;
        }
    }
    return false;
}

std::uint32_t X11PixelFormat::Convert(std::uint32_t rgb) const {
    return red.Place((rgb >> 16) & 0xFF) | green.Place((rgb >> 8) & 0xFF) | blue.Place(rgb & 0xFF);
}

void X11PixelFormat::ConvertRow(const std::uint32_t* source, int count, char* dest) const {
    if (identity) {
        std::memcpy(dest, source, static_cast<std::size_t>(count) * 4);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const std::uint32_t pixel = Convert(source[i]);
        if (bytes == 2) {
            const auto p16 = static_cast<std::uint16_t>(pixel);
            std::memcpy(dest, &p16, 2);
        } else if (bytes == 3) {
            // Three bytes in the host's order: the low three of the 32-bit value.
            const char* p = reinterpret_cast<const char*>(&pixel);
            std::memcpy(dest, std::endian::native == std::endian::little ? p : p + 1, 3);
        } else {
            std::memcpy(dest, &pixel, 4);
        }
        dest += bytes;
    }
}

} // namespace backend
