#include "platform/gfx/Raster.h"

#include <algorithm>
#include <cstring>

namespace gfx {

namespace {

std::uint32_t Mix(std::uint32_t dst, std::uint32_t src, std::uint32_t a) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t d = (dst >> shift) & 0xFF;
        const std::uint32_t s = (src >> shift) & 0xFF;
        const std::uint32_t c = (d * (255 - a) + s * a + 127) / 255;
        out |= c << shift;
    }
    return out;
}

} // namespace

void Raster::Touch(const RECT& logical) const {
    const RECT r{std::max(logical.left, clipBounds.left), std::max(logical.top, clipBounds.top),
                 std::min(logical.right, clipBounds.right),
                 std::min(logical.bottom, clipBounds.bottom)};
    if (!touched || r.left >= r.right || r.top >= r.bottom) {
        return;
    }
    if (touched->left >= touched->right || touched->top >= touched->bottom) {
        *touched = r;
        return;
    }
    *touched = {std::min(touched->left, r.left), std::min(touched->top, r.top),
                std::max(touched->right, r.right), std::max(touched->bottom, r.bottom)};
}

// Each clipped piece gets its first row filled and copies of it below: the C library's
// block copy is faster than a loop of 32-bit stores.
void Raster::Fill(const RECT& r, std::uint32_t pixel) {
    Touch(r);
    for (const RECT& c : clip->Rects()) {
        RECT piece{std::max(c.left, r.left), std::max(c.top, r.top), std::min(c.right, r.right),
                   std::min(c.bottom, r.bottom)};
        if (piece.right <= piece.left || piece.bottom <= piece.top) {
            continue;
        }
        piece = {piece.left * scale, piece.top * scale, piece.right * scale, piece.bottom * scale};
        const auto width = static_cast<std::size_t>(piece.right - piece.left);
        const std::uint32_t* first = surface->Row(piece.top) + piece.left;
        std::fill_n(surface->Row(piece.top) + piece.left, width, pixel);
        for (LONG y = piece.top + 1; y < piece.bottom; ++y) {
            std::memcpy(surface->Row(y) + piece.left, first, width * sizeof(std::uint32_t));
        }
    }
}

void Raster::Xor(const RECT& r, std::uint32_t mask) {
    const RECT pixels{r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
    ForEachSpan(pixels, [&](LONG y, LONG x0, LONG x1) {
        std::uint32_t* row = surface->Row(y);
        for (LONG x = x0; x < x1; ++x) {
            row[x] ^= mask;
        }
    });
}

bool Raster::Visible(int x, int y) const {
    return clip->Contains(POINT{x, y});
}

void Raster::Plot(int x, int y, std::uint32_t pixel) {
    if (scale > 1) {
        Fill({x, y, x + 1, y + 1}, pixel);
    } else if (Visible(x, y)) {
        Touch({x, y, x + 1, y + 1});
        surface->Row(y)[x] = pixel;
    }
}

void Raster::Blend(int x, int y, int width, int height, const std::uint8_t* coverage,
                   std::uint32_t pixel) {
    const RECT box{x, y, x + width, y + height};
    ForEachSpan(box, [&](LONG row, LONG x0, LONG x1) {
        std::uint32_t* dst = surface->Row(row);
        const std::uint8_t* src = coverage + static_cast<std::ptrdiff_t>(row - y) * width;
        for (LONG px = x0; px < x1; ++px) {
            const std::uint32_t a = src[px - x];
            if (a == 255) {
                dst[px] = pixel;
            } else if (a != 0) {
                dst[px] = Mix(dst[px], pixel, a);
            }
        }
    });
}

} // namespace gfx
