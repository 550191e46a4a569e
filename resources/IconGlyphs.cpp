#include "resources/IconGlyphs.h"

#include "resources/ResourceIds.h"

namespace res {

namespace {

constexpr int iconSize = 32;
constexpr COLORREF glyphBlue = RGB(0, 0, 255);

// Paints the pixels x0..x1, y0..y1 (inclusive) of the glyph.
void Bar(IconImage& image, int x0, int x1, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const auto at = static_cast<std::size_t>(y * image.width + x);
            image.colours[at] = glyphBlue;
            image.mask[at] = 0;
        }
    }
}

// Eight rows from the apex (x 15 to 16) to the base (x 8 to 23); step -1 points down.
void Triangle(IconImage& image, int apexY, int step) {
    for (int row = 0; row < 8; ++row) {
        Bar(image, 15 - row, 16 + row, apexY + row * step, apexY + row * step);
    }
}

} // namespace

IconImage TransparentImage(int size) {
    const auto count = static_cast<std::size_t>(size * size);
    return IconImage{size, size, std::vector<COLORREF>(count, 0), std::vector<BYTE>(count, 1)};
}

IconImage IconGlyph(int id) {
    IconImage image = TransparentImage(iconSize);
    switch (id) {
    case IDI_PLUS:
        Bar(image, 3, 16, 15, 16);
        Bar(image, 9, 10, 9, 22);
        return image;
    case IDI_MINUS:
        Bar(image, 3, 16, 15, 16);
        return image;
    case IDI_UP:
        Triangle(image, 11, 1);
        return image;
    case IDI_DOWN:
        Triangle(image, 20, -1);
        return image;
    default:
        return {};
    }
}

} // namespace res
