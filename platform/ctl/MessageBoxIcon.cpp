#include "platform/ctl/MessageBoxIcon.h"

#include "platform/base/WinControls.h"
#include "platform/gfx/Icons.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace ctl {

namespace {

constexpr int Side = 32;
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// Colour of each pixel, or nothing (transparent) where shade answers false.
using Shader = std::function<bool(int x, int y, COLORREF* colour)>;

HICON Build(const Shader& shade) {
    std::vector<COLORREF> colours(Side * Side, 0);
    std::vector<BYTE> mask(Side * Side, 1);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const auto i = static_cast<std::size_t>(y * Side + x);
            mask[i] = shade(x, y, &colours[i]) ? 0 : 1;
        }
    }
    return CreateIconFromPixels(Side, Side, colours.data(), mask.data());
}

bool InBox(int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b;
}

// A yellow triangle with a black rim and a black exclamation mark.
bool Warning(int x, int y, COLORREF* c) {
    constexpr int top = 2;
    constexpr int bottom = 30;
    if (y < top || y >= bottom) {
        return false;
    }
    const double half = (y - top + 1) * 15.0 / (bottom - top);
    const double dx = std::abs(x - 15.5);
    if (dx > half) {
        return false;
    }
    const bool rim = dx > half - 1.5 || y >= bottom - 1;
    const bool mark = InBox(x, y, 14, 10, 18, 22) || InBox(x, y, 14, 24, 18, 27);
    *c = rim || mark ? Black : RGB(255, 255, 0);
    return true;
}

double Distance(int x, int y) {
    return std::hypot(x - 15.5, y - 15.5);
}

// A white disc with a blue rim and a blue "i".
bool Information(int x, int y, COLORREF* c) {
    const double d = Distance(x, y);
    if (d > 15) {
        return false;
    }
    const bool mark = InBox(x, y, 14, 7, 18, 11) || InBox(x, y, 14, 13, 18, 25) ||
                      InBox(x, y, 12, 13, 14, 15) || InBox(x, y, 12, 23, 20, 25);
    *c = d > 13.5 || mark ? RGB(0, 0, 255) : White;
    return true;
}

// A red disc with a dark rim and a white cross.
bool Error(int x, int y, COLORREF* c) {
    const double d = Distance(x, y);
    if (d > 15) {
        return false;
    }
    const double a = x - 15.5;
    const double b = y - 15.5;
    const bool cross =
        std::abs(a) < 8 && std::abs(b) < 8 && (std::abs(a - b) < 2.5 || std::abs(a + b) < 2.5);
    *c = d > 14 ? RGB(128, 0, 0) : cross ? White : RGB(255, 0, 0);
    return true;
}

} // namespace

HICON MessageBoxIcon(UINT type) {
    static const HICON warning = Build(Warning);
    static const HICON information = Build(Information);
    static const HICON error = Build(Error);
    switch (type & MB_ICONMASK) {
    case MB_ICONEXCLAMATION:
        return warning;
    case MB_ICONINFORMATION:
    case MB_ICONQUESTION:
        return information;
    case MB_ICONHAND:
        return error;
    default:
        return nullptr;
    }
}

} // namespace ctl
