// Text layout of arbitrary bytes. The first byte picks DrawTextA's format flags, the second
// the display scale and the rectangle's width; the rest is the text, drawn and measured in the
// dialog font on a small surface. Measuring a single line without prefixes must agree with
// what DrawTextA lays out, whatever the script or the bytes.
#include "FuzzCheck.h"
#include "platform/gfx/Gdi.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT Flags[] = {DT_SINGLELINE, DT_WORDBREAK, DT_END_ELLIPSIS, DT_CENTER,
                          DT_RIGHT,      DT_VCENTER,   DT_EXPANDTABS,   DT_NOPREFIX};

struct Target {
    explicit Target(int scale) : surface(120, 40, scale) {
        dc = CreateSurfaceDC(&surface, POINT{}, gfx::Region(RECT{0, 0, 120, 40}));
        SelectObject(dc, Font());
    }
    static HFONT Font() {
        return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)); // -11 "MS Sans Serif"
    }
    gfx::Surface surface;
    HDC dc = nullptr;
};

Target& At(int scale) {
    static std::array<std::unique_ptr<Target>, 3> targets;
    auto& slot = targets[static_cast<std::size_t>(scale - 1)];
    if (!slot) {
        slot = std::make_unique<Target>(scale);
    }
    return *slot;
}

UINT Format(std::uint8_t bits) {
    UINT format = 0;
    for (std::size_t i = 0; i < std::size(Flags); ++i) {
        format |= (bits >> i) & 1 ? Flags[i] : 0;
    }
    return format;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const UINT format = Format(data[0]);
    Target& target = At(1 + data[1] % 3);
    const int width = data[1] / 3;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const int count = static_cast<int>(text.size());

    RECT r{0, 0, width, 40};
    DrawTextA(target.dc, text.c_str(), count, &r, format);
    RECT calc{0, 0, width, 0};
    DrawTextA(target.dc, text.c_str(), count, &calc, format | DT_CALCRECT);
    SIZE extent{};
    GetTextExtentPoint32A(target.dc, text.c_str(), count, &extent);
    if ((format & DT_SINGLELINE) && (format & DT_NOPREFIX) && !(format & DT_END_ELLIPSIS) &&
        !(format & DT_EXPANDTABS)) {
        qvsql::fuzz::Require(calc.right - calc.left == extent.cx, "one line measures as laid out");
    }
    std::vector<INT> dx(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        dx[i] = static_cast<unsigned char>(text[i]) % 9 - 2;
    }
    ExtTextOutA(target.dc, 5, 5, ETO_CLIPPED, &r, text.c_str(), static_cast<UINT>(count),
                dx.data());
    return 0;
}
