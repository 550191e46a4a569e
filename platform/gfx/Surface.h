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

class Surface {
  public:
    Surface() = default;
    // White; sizes of 0 or less give an empty surface.
    Surface(int w, int h);

    int Width() const { return width; }
    int Height() const { return height; }
    // nullptr outside the surface.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;
    // 0 outside the surface.
    COLORREF ColorAt(int x, int y) const;
    // Contents are kept where old and new sizes overlap; new pixels are white.
    void Resize(int w, int h);
    void Fill(const RECT& r, COLORREF colour);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

  private:
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace gfx
