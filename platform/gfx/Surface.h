#pragma once
// A 32-bit pixel buffer. Pixels are 0x00RRGGBB, X11's native 24-bit order; colour
// references (0x00BBGGRR) are converted at the boundary.
#include "platform/base/WinDef.h"

#include <cstdint>
#include <vector>

namespace gfx {

constexpr std::uint32_t PixelFromColor(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
    return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

// Sizes are logical; each logical pixel is scale x scale pixels of the buffer. Rows, colours
// and fills address the buffer's pixels.
class Surface {
  public:
    Surface() = default;
    // White; sizes of 0 or less give an empty surface; a scale outside 1..3 counts as 1.
    Surface(int w, int h, int scale = 1);

    int Width() const { return width; }
    int Height() const { return height; }
    int Scale() const { return scale; }
    int PixelWidth() const { return width * scale; }
    int PixelHeight() const { return height * scale; }
    // nullptr outside the surface.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;
    // 0 outside the surface.
    COLORREF ColorAt(int x, int y) const;
    // Contents are kept where old and new sizes overlap; new pixels are white.
    void Resize(int w, int h);
    void Fill(const RECT& r, COLORREF colour);
    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < PixelWidth() && y < PixelHeight();
    }

  private:
    int width = 0;
    int height = 0;
    int scale = 1;
    std::vector<std::uint32_t> pixels;
};

} // namespace gfx
