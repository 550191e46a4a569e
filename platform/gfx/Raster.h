#pragma once
// Pixel operations on a surface, limited to a clip region in logical surface pixels. Fills,
// plots and inversions take logical coordinates and cover scale x scale buffer pixels each;
// Blend and ForEachSpan work on the buffer's own pixels.
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <cstdint>

namespace gfx {

class Raster {
  public:
    // The clip must lie within the surface.
    Raster(Surface& target, const Region& clipRegion)
        : surface(&target), clip(&clipRegion), scale(target.Scale()) {}

    int Scale() const { return scale; }

    void Fill(const RECT& r, std::uint32_t pixel);
    void Xor(const RECT& r, std::uint32_t mask);
    void Plot(int x, int y, std::uint32_t pixel);
    bool Visible(int x, int y) const;
    // Blends pixel onto the buffer with 8-bit coverage (width x height, row stride = width)
    // whose top-left corner lands at buffer pixel (x, y).
    void Blend(int x, int y, int width, int height, const std::uint8_t* coverage,
               std::uint32_t pixel);
    // Calls f(y, x0, x1) for each clipped row piece of r, in buffer pixels.
    template <class F> void ForEachSpan(const RECT& r, F f) const {
        for (const RECT& logical : clip->Rects()) {
            const RECT c{logical.left * scale, logical.top * scale, logical.right * scale,
                         logical.bottom * scale};
            if (c.top >= r.bottom) {
                break;
            }
            const LONG left = c.left > r.left ? c.left : r.left;
            const LONG right = c.right < r.right ? c.right : r.right;
            const LONG top = c.top > r.top ? c.top : r.top;
            const LONG bottom = c.bottom < r.bottom ? c.bottom : r.bottom;
            for (LONG y = top; left < right && y < bottom; ++y) {
                f(y, left, right);
            }
        }
    }

  private:
    Surface* surface;
    const Region* clip;
    int scale;
};

} // namespace gfx
