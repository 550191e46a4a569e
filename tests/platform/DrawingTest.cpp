#include "GfxTestSurface.h"

#include <gtest/gtest.h>

namespace gfx::test {
namespace {

TEST(Drawing, LinesLeaveOutTheirEndPoint) {
    TestSurface t(20, 20);
    POINT previous{};
    EXPECT_TRUE(MoveToEx(t.dc, 2, 3, nullptr));
    EXPECT_TRUE(LineTo(t.dc, 7, 3));
    for (int x = 2; x < 7; ++x) {
        EXPECT_EQ(t.At(x, 3), Black) << x;
    }
    EXPECT_EQ(t.At(7, 3), White);
    EXPECT_EQ(t.At(1, 3), White);

    // The end point becomes the current position.
    EXPECT_TRUE(LineTo(t.dc, 7, 8));
    t.Expect({{7, 3, Black}, {7, 7, Black}, {7, 8, White}});

    MoveToEx(t.dc, 10, 10, &previous);
    EXPECT_EQ(previous.x, 7);
    EXPECT_EQ(previous.y, 8);
    HPEN red = CreatePen(PS_SOLID, 0, Red);
    HGDIOBJ old = SelectObject(t.dc, red);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    LineTo(t.dc, 14, 14);
    for (int i = 10; i < 14; ++i) {
        EXPECT_EQ(t.At(i, i), Red);
    }
    EXPECT_EQ(t.At(14, 14), White);
    SelectObject(t.dc, GetStockObject(NULL_PEN));
    MoveToEx(t.dc, 0, 19, nullptr);
    LineTo(t.dc, 19, 19);
    EXPECT_EQ(t.At(5, 19), White);
    EXPECT_TRUE(DeleteObject(red));
}

TEST(Drawing, FillAndFrameRectExcludeRightAndBottom) {
    TestSurface t(20, 20);
    const RECT r{2, 3, 8, 9};
    HBRUSH red = CreateSolidBrush(Red);
    EXPECT_TRUE(FrameRect(t.dc, &r, red));
    EXPECT_EQ(t.Count([](int, int, COLORREF c) { return c == Red; }), 2 * 6 + 2 * 4);
    t.Expect({{2, 3, Red}, {7, 8, Red}, {8, 8, White}, {3, 4, White}});

    EXPECT_TRUE(FillRect(t.dc, &r, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1)));
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(t.Count([&](int, int, COLORREF c) { return c == highlight; }), 6 * 6);

    const RECT empty{5, 5, 5, 10};
    EXPECT_TRUE(FrameRect(t.dc, &empty, red));
    EXPECT_EQ(t.At(5, 5), highlight);
    DeleteObject(red);
}

TEST(Drawing, ClipRegionAndDeviceOriginBoundEveryPixel) {
    Region clip(RECT{0, 0, 10, 10});
    clip.Union(RECT{20, 20, 30, 30});
    TestSurface t(40, 40, POINT{5, 5}, &clip);
    const RECT all{-100, -100, 100, 100};
    FillRect(t.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(t.Count([](int, int, COLORREF c) { return c == Black; }), 200);
    EXPECT_EQ(t.At(35, 35), White);

    RECT box{};
    EXPECT_EQ(GetClipBox(t.dc, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, -5);
    EXPECT_EQ(box.bottom, 25);

    // Device point (0,0) is surface pixel (5,5).
    EXPECT_EQ(SetPixel(t.dc, 0, 0, Red), Red);
    EXPECT_EQ(t.At(5, 5), Red);
    EXPECT_EQ(GetPixel(t.dc, 0, 0), Red);
    EXPECT_EQ(SetPixel(t.dc, 10, 10, Red), CLR_INVALID);
    EXPECT_EQ(GetPixel(t.dc, 10, 10), CLR_INVALID);

    EXPECT_EQ(IntersectClipRect(t.dc, 100, 100, 200, 200), NULLREGION);
    EXPECT_EQ(GetClipBox(nullptr, &box), ERROR);
}

TEST(Drawing, DrawEdgeUsesTheClassicColours) {
    TestSurface t(20, 20);
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    RECT r{0, 0, 10, 8};
    ASSERT_TRUE(DrawEdge(t.dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(r.bottom, 6);
    // Outer ring: light top-left, dark shadow bottom-right (which owns the two side corners).
    t.Expect(
        {{0, 0, light}, {8, 0, light}, {9, 0, dark}, {0, 6, light}, {0, 7, dark}, {9, 7, dark}});
    // Inner ring: highlight top-left, shadow bottom-right.
    t.Expect({{1, 1, hilight}, {7, 1, hilight}, {8, 1, shadow}, {1, 6, shadow}, {8, 6, shadow}});
    t.Expect({{4, 4, face}, {10, 8, White}});

    RECT s{10, 10, 20, 20};
    ASSERT_TRUE(DrawEdge(t.dc, &s, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(s.left, 10); // no BF_ADJUST
    t.Expect(
        {{10, 10, shadow}, {19, 19, hilight}, {11, 11, dark}, {18, 18, light}, {15, 15, White}});

    RECT top{0, 12, 6, 16};
    ASSERT_TRUE(DrawEdge(t.dc, &top, BDR_RAISEDINNER, BF_TOP));
    EXPECT_EQ(t.At(3, 12), hilight);
    EXPECT_EQ(t.At(0, 13), White);
    EXPECT_FALSE(DrawEdge(t.dc, nullptr, EDGE_RAISED, BF_RECT));
}

TEST(Drawing, WindowOriginMovesDrawingClipBoxAndBlits) {
    TestSurface t(30, 30);
    POINT previous{1, 1};
    ASSERT_TRUE(SetWindowOrgEx(t.dc, 5, 5, &previous));
    EXPECT_EQ(previous.x, 0);
    const RECT r{10, 10, 12, 12};
    FillRect(t.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(t.At(5, 5), Black);
    EXPECT_EQ(t.At(10, 10), White);
    RECT box{};
    EXPECT_EQ(GetClipBox(t.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.right, 35);

    // An overlapping copy within one surface. (A memory surface with an origin copied back to
    // its target is MiscControlsTest.MemDCCopiesItsClipBoxOnceWithTheTargetsCoordinates.)
    SetWindowOrgEx(t.dc, 0, 0, nullptr);
    SetPixel(t.dc, 0, 20, Blue);
    SetPixel(t.dc, 1, 20, Red);
    BitBlt(t.dc, 1, 20, 5, 1, t.dc, 0, 20, SRCCOPY);
    EXPECT_EQ(t.At(1, 20), Blue);
    EXPECT_EQ(t.At(2, 20), Red);
}

TEST(Drawing, SaveAndRestoreState) {
    TestSurface t(10, 10);
    HBRUSH red = CreateSolidBrush(Red);
    SetTextColor(t.dc, Blue);
    const int level = SaveDC(t.dc);
    EXPECT_EQ(level, 1);
    SelectObject(t.dc, red);
    SetTextColor(t.dc, Red);
    SetBkMode(t.dc, TRANSPARENT);
    SetWindowOrgEx(t.dc, 3, 3, nullptr);
    IntersectClipRect(t.dc, 3, 3, 4, 4);
    EXPECT_EQ(SaveDC(t.dc), 2);
    EXPECT_TRUE(RestoreDC(t.dc, -2));
    EXPECT_FALSE(RestoreDC(t.dc, 1));
    EXPECT_EQ(GetTextColor(t.dc), Blue);
    EXPECT_EQ(GetBkMode(t.dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    RECT box{};
    EXPECT_EQ(GetClipBox(t.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 10);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetObjectType(red), 0u);
}

TEST(Drawing, PatBltAndFocusRect) {
    TestSurface t(20, 20);
    SelectObject(t.dc, CreateSolidBrush(Red));
    HGDIOBJ made = SelectObject(t.dc, GetStockObject(GRAY_BRUSH));
    EXPECT_TRUE(DeleteObject(made));
    ASSERT_TRUE(PatBlt(t.dc, 10, 10, 2, 2, PATCOPY));
    EXPECT_EQ(t.At(11, 11), RGB(128, 128, 128));
    EXPECT_EQ(t.At(12, 12), White);

    const RECT focus{0, 10, 6, 14};
    DrawFocusRect(t.dc, &focus);
    EXPECT_EQ(t.At(0, 10), Black);
    EXPECT_EQ(t.At(1, 10), White);
    EXPECT_EQ(t.At(2, 12), White); // inside
    DrawFocusRect(t.dc, &focus);
    EXPECT_EQ(t.Count([](int x, int y, COLORREF c) { return y >= 10 && x < 6 && c != White; }), 0);
}

TEST(Drawing, SurfaceDcStartsInTheWindowDefaultState) {
    TestSurface t(10, 10);
    EXPECT_EQ(GetTextColor(t.dc), Black);
    EXPECT_EQ(GetBkColor(t.dc), White);
    EXPECT_EQ(GetBkMode(t.dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_BITMAP), nullptr);
    EXPECT_EQ(SetBkMode(t.dc, 7), 0);
}

TEST(Drawing, FlatEdges) {
    TestSurface t(20, 20);
    RECT r{0, 0, 6, 6};
    DrawEdge(t.dc, &r, EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_ADJUST);
    t.Expect({{0, 0, GetSysColor(COLOR_3DSHADOW)}, {5, 5, GetSysColor(COLOR_3DSHADOW)}});
    t.Expect({{1, 1, GetSysColor(COLOR_3DFACE)}});
    EXPECT_EQ(r.left, 2);
}

} // namespace
} // namespace gfx::test
