#include "platform/gfx/SysColors.h"

#include "platform/gfx/ObjectStore.h"

#include <array>

namespace {

using ColorTable = std::array<COLORREF, gfx::SysColorCount>;

ColorTable& Colors() {
    static ColorTable colors = {
        RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
        RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
        RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(192, 192, 192), RGB(0, 0, 0),
        RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128),     RGB(16, 132, 208),
        RGB(181, 181, 181), RGB(0, 0, 128),     RGB(192, 192, 192)};
    return colors;
}

} // namespace

DWORD GetSysColor(int index) {
    return index >= 0 && index < gfx::SysColorCount ? Colors()[static_cast<std::size_t>(index)] : 0;
}

HBRUSH GetSysColorBrush(int index) {
    return gfx::ObjectStore::Instance().SysColorBrush(index);
}

namespace gfx {

void SetSysColorValues(int count, const int* indexes, const COLORREF* colours) {
    if (!indexes || !colours) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (indexes[i] >= 0 && indexes[i] < SysColorCount) {
            Colors()[static_cast<std::size_t>(indexes[i])] = colours[i] & 0x00FFFFFF;
        }
    }
}

} // namespace gfx
