#pragma once
// How a TrueColor visual lays out a pixel in an image (channel masks, bytes per pixel) and
// the conversion of surface pixels (0x00RRGGBB) into that layout. Depth 24 in 32 bits with
// the surface's own masks needs no conversion; depths 15, 16 and 30 do.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

namespace backend {

class X11PixelFormat {
  public:
    // bitsPerPixel 16, 24 or 32; masks from the visual.
    X11PixelFormat(unsigned long redMask, unsigned long greenMask, unsigned long blueMask,
                   int bitsPerPixel);

    // The TrueColor visual of the screen the library draws on (depth 24, else 30, 16 or 15),
    // or false when the screen has none it can fill.
    static bool Choose(Display* display, XVisualInfo& visual, int& bitsPerPixel);

    bool Identity() const { return identity; }
    int BytesPerPixel() const { return bytes; }
    // Writes count pixels to dest in the host's byte order.
    void ConvertRow(const std::uint32_t* source, int count, char* dest) const;
    std::uint32_t Convert(std::uint32_t rgb) const;

  private:
    struct Channel {
        int shift = 0;
        int bits = 0;
        std::uint32_t Place(std::uint32_t value8) const;
    };
    static Channel FromMask(unsigned long mask);

    Channel red;
    Channel green;
    Channel blue;
    int bytes;
    bool identity;
};

} // namespace backend
