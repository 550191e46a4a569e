#pragma once
// A white surface with a DC over all of it, for pixel tests.
#include "platform/gfx/Gdi.h"
#include "tests/platform/PixelChecks.h"

#include <algorithm>
#include <functional>

namespace gfx::test {

// Whether two surfaces hold the same pixels.
inline bool SamePixels(const Surface& a, const Surface& b) {
    bool same = a.PixelWidth() == b.PixelWidth() && a.PixelHeight() == b.PixelHeight();
    for (int y = 0; same && y < a.PixelHeight(); ++y) {
        same = std::equal(a.Row(y), a.Row(y) + a.PixelWidth(), b.Row(y));
    }
    return same;
}

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

struct TestSurface {
    TestSurface(int w, int h, POINT origin = {}, const Region* clip = nullptr)
        : surface(w, h),
          dc(CreateSurfaceDC(&surface, origin, clip ? *clip : Region(RECT{0, 0, w, h}))) {}
    ~TestSurface() { DeleteDC(dc); }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    COLORREF At(int x, int y) const { return surface.ColorAt(x, y); }
    void Expect(std::initializer_list<pixeltest::PixelAt> rows) const {
        pixeltest::ExpectPixels([this](int x, int y) { return At(x, y); }, rows);
    }
    // Number of pixels for which pred(x, y, colour) holds.
    int Count(const std::function<bool(int, int, COLORREF)>& pred) const {
        int n = 0;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                n += pred(x, y, At(x, y)) ? 1 : 0;
            }
        }
        return n;
    }
    // Bounding box of the pixels that are not white; empty if none.
    RECT Inked() const {
        RECT box{surface.Width(), surface.Height(), 0, 0};
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                if (At(x, y) != White) {
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
                }
            }
        }
        return box.right > box.left ? box : RECT{};
    }

    Surface surface;
    HDC dc;
};

} // namespace gfx::test
