#pragma once
// The button icons drawn from their pixel description: blue glyphs on a transparent
// background.
#include "platform/base/WinDef.h"

#include <vector>

namespace res {

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours; // row by row from the top
    std::vector<BYTE> mask;        // 1 where the pixel is transparent
};

// The 32 x 32 image of icon id (IDI_UP, IDI_DOWN, IDI_PLUS, IDI_MINUS); empty for other ids.
IconImage IconGlyph(int id);
// A fully transparent image of the given size (icon 1005 also holds a 16 x 16 one).
IconImage TransparentImage(int size);

} // namespace res
