#pragma once
// Pixel operations on a surface, limited to a clip region in logical surface pixels. Fills,
// plots and inversions take logical coordinates and cover scale x scale buffer pixels each;
// Blend and ForEachSpan work on the buffer's own pixels. Every operation widens the touched
// bounds it is given (logical pixels, clipped), so that only what changed is shown again.
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <cstdint>

namespace gfx {

class Raster {
  public:
    // The clip must lie within the surface.
    Raster(Surface& target, const Region& clipRegion, RECT* touchedBounds = nullptr)
        : surface(&target), clip(&clipRegion), scale(target.Scale()),
          clipBounds(clipRegion.Bounds()), touched(touchedBounds) {}

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
        Touch({r.left / scale, r.top / scale, (r.right + scale - 1) / scale,
               (r.bottom + scale - 1) / scale});
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
    void Touch(const RECT& logical) const;

    Surface* surface;
    const Region* clip;
    int scale;
    RECT clipBounds;
    RECT* touched;
};

} // namespace gfx
