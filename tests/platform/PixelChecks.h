#pragma once
// Several pixels checked in one go: each row names a point and the colour it must show.
#include "platform/base/WinDef.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace pixeltest {

struct PixelAt {
    int x;
    int y;
    COLORREF colour;
};

// read(x, y) gives the colour shown at a point.
template <class Read> void ExpectPixels(const Read& read, std::initializer_list<PixelAt> rows) {
    for (const PixelAt& row : rows) {
        EXPECT_EQ(read(row.x, row.y), row.colour) << "at " << row.x << "," << row.y;
    }
}

} // namespace pixeltest
