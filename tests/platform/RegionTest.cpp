#include "platform/gfx/Region.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

long Area(const Region& r) {
    long area = 0;
    for (const RECT& rc : r.Rects()) {
        area += static_cast<long>(rc.right - rc.left) * (rc.bottom - rc.top);
    }
    return area;
}

bool Disjoint(const Region& r) {
    const auto& rs = r.Rects();
    for (std::size_t i = 0; i < rs.size(); ++i) {
        for (std::size_t j = i + 1; j < rs.size(); ++j) {
            if (Region(rs[i]).Intersects(rs[j])) {
                return false;
            }
        }
    }
    return true;
}

TEST(Region, UnionCoversBothOnceAndMergesNeighbours) {
    Region r(RECT{0, 0, 10, 10});
    r.Union(RECT{5, 5, 15, 15});
    EXPECT_EQ(Area(r), 100 + 100 - 25);
    EXPECT_TRUE(Disjoint(r));
    EXPECT_EQ(r.Rects().size(), 3u);
    EXPECT_TRUE(r.Contains({14, 14}));
    EXPECT_FALSE(r.Contains({14, 2}));
    EXPECT_FALSE(r.Contains({15, 15}));
    const RECT b = r.Bounds();
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.top, 0);
    EXPECT_EQ(b.right, 15);
    EXPECT_EQ(b.bottom, 15);

    Region strip(RECT{0, 0, 10, 5});
    strip.Union(RECT{0, 5, 10, 10});
    strip.Union(RECT{10, 0, 20, 10});
    ASSERT_EQ(strip.Rects().size(), 1u);
    EXPECT_EQ(strip, Region(RECT{0, 0, 20, 10}));
}

TEST(Region, IntersectSubtractAndOffset) {
    Region r(RECT{0, 0, 10, 10});
    r.Intersect(RECT{5, -5, 20, 5});
    EXPECT_EQ(r, Region(RECT{5, 0, 10, 5}));

    Region hole(RECT{0, 0, 9, 9});
    hole.Subtract(RECT{3, 3, 6, 6});
    EXPECT_EQ(Area(hole), 81 - 9);
    EXPECT_EQ(hole.Rects().size(), 4u);
    EXPECT_FALSE(hole.Contains({4, 4}));
    EXPECT_TRUE(hole.Contains({2, 4}));
    EXPECT_TRUE(hole.Intersects(RECT{2, 2, 4, 4}));
    EXPECT_FALSE(hole.Intersects(RECT{3, 3, 6, 6}));

    Region other(RECT{3, 3, 6, 6});
    other.Union(hole);
    EXPECT_EQ(other, Region(RECT{0, 0, 9, 9}));

    hole.Offset(10, -3);
    EXPECT_TRUE(hole.Contains({10, -3}));
    EXPECT_FALSE(hole.Contains({14, 1}));

    Region empty;
    empty.Subtract(RECT{0, 0, 5, 5});
    EXPECT_TRUE(empty.IsEmpty());
    Region all(RECT{0, 0, 5, 5});
    all.Subtract(Region(RECT{-1, -1, 6, 6}));
    EXPECT_TRUE(all.IsEmpty());
    EXPECT_TRUE(Region(RECT{5, 5, 5, 9}).IsEmpty());
    EXPECT_FALSE(Region(RECT{0, 0, 5, 5}).Intersects(RECT{2, 2, 2, 4}));
}

} // namespace
} // namespace gfx
