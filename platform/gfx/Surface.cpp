#include "platform/gfx/Surface.h"

#include <algorithm>

namespace gfx {

namespace {
constexpr std::uint32_t White = 0x00FFFFFF;
}

Surface::Surface(int w, int h, int factor) : scale(factor >= 1 && factor <= 3 ? factor : 1) {
    Resize(w, h);
}

std::uint32_t* Surface::Row(int y) {
    return y >= 0 && y < PixelHeight() ? pixels.data() + static_cast<std::size_t>(y) * PixelWidth()
                                       : nullptr;
}

const std::uint32_t* Surface::Row(int y) const {
    return y >= 0 && y < PixelHeight() ? pixels.data() + static_cast<std::size_t>(y) * PixelWidth()
                                       : nullptr;
}

COLORREF Surface::ColorAt(int x, int y) const {
    return Contains(x, y) ? ColorFromPixel(Row(y)[x]) : 0;
}

void Surface::Resize(int w, int h) {
    if (w <= 0 || h <= 0) {
        w = 0;
        h = 0;
    }
    const int pw = w * scale;
    std::vector<std::uint32_t> fresh(static_cast<std::size_t>(pw) * h * scale, White);
    const int keepW = std::min(w, width) * scale;
    for (int y = 0; y < std::min(h, height) * scale; ++y) {
        std::copy_n(Row(y), keepW, fresh.begin() + static_cast<std::ptrdiff_t>(y) * pw);
    }
    pixels = std::move(fresh);
    width = w;
    height = h;
}

void Surface::Fill(const RECT& r, COLORREF colour) {
    const int left = std::max<int>(r.left, 0);
    const int right = std::min<int>(r.right, PixelWidth());
    const std::uint32_t p = PixelFromColor(colour);
    for (int y = std::max<int>(r.top, 0);
         y < std::min<int>(r.bottom, PixelHeight()) && left < right; ++y) {
        std::fill(Row(y) + left, Row(y) + right, p);
    }
}

} // namespace gfx
