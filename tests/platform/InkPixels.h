#pragma once
// Anti-aliased text has few pixels of the exact ink colour, and how many depends on the face, so
// a pixel counts as ink when it is a blend from the paper toward the ink.
#include "platform/base/WinDef.h"

#include <array>
#include <cstdlib>

inline bool IsInk(COLORREF pixel, COLORREF ink, COLORREF paper) {
    const std::array<int, 3> p{GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
    const std::array<int, 3> i{GetRValue(ink), GetGValue(ink), GetBValue(ink)};
    const std::array<int, 3> b{GetRValue(paper), GetGValue(paper), GetBValue(paper)};
    std::size_t widest = 0;
    for (std::size_t c = 1; c < 3; ++c) {
        widest = std::abs(i[c] - b[c]) > std::abs(i[widest] - b[widest]) ? c : widest;
    }
    const int span = i[widest] - b[widest];
    if (pixel == paper || span == 0) {
        return false;
    }
    const double t = static_cast<double>(p[widest] - b[widest]) / span;
    bool onTheLine = t >= 0.3 && t <= 1; // fainter pixels are ambiguous
    for (std::size_t c = 0; c < 3; ++c) {
        onTheLine = onTheLine && std::abs(b[c] + t * (i[c] - b[c]) - p[c]) <= 12;
    }
    return onTheLine;
}
