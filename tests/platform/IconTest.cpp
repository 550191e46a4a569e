#include "GfxTestSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace gfx::test {
namespace {

// A 6 x 6 icon whose opaque part is a blue 2 x 2 square at (2, 2).
HICON SquareIcon() {
    std::vector<COLORREF> colours(36, RGB(0, 255, 0));
    std::vector<BYTE> mask(36, 1);
    for (int y = 2; y < 4; ++y) {
        for (int x = 2; x < 4; ++x) {
            colours[static_cast<std::size_t>(y * 6 + x)] = Blue;
            mask[static_cast<std::size_t>(y * 6 + x)] = 0;
        }
    }
    return CreateIconFromPixels(6, 6, colours.data(), mask.data());
}

TEST(Icons, DrawOnlyTheOpaquePixels) {
    TestSurface t(20, 20);
    HICON icon = SquareIcon();
    ASSERT_NE(icon, nullptr);
    ASSERT_TRUE(DrawIconEx(t.dc, 5, 5, icon, 0, 0, 0, nullptr, DI_NORMAL));
    t.Expect({{7, 7, Blue}, {8, 8, Blue}, {6, 6, White}});
    EXPECT_EQ(t.Count([](int, int, COLORREF c) { return c != White; }), 4);

    TestSurface scaled(20, 20);
    DrawIconEx(scaled.dc, 0, 0, icon, 12, 12, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(scaled.Count([](int, int, COLORREF c) { return c == Blue; }), 16);

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 3u);
    HICON copy = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    TestSurface again(10, 10);
    DrawIconEx(again.dc, 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(again.Count([](int, int, COLORREF c) { return c == Blue; }), 4);
    EXPECT_EQ(again.At(0, 0), White);

    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_FALSE(DestroyIcon(icon));
    info.xHotspot = 9;
    EXPECT_FALSE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr);
    EXPECT_FALSE(DrawIconEx(t.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(CreateIconFromPixels(0, 5, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
}

TEST(Icons, DisabledStateIsEmbossed) {
    TestSurface t(20, 20);
    HICON icon = SquareIcon();
    const COLORREF hilight = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    t.surface.Fill(RECT{0, 0, 20, 20}, RGB(192, 192, 192));
    ASSERT_TRUE(DrawStateA(t.dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 4, 4, 0, 0,
                           DST_ICON | DSS_DISABLED));
    // Shadow over the opaque square, highlight where the (1,1) copy sticks out.
    for (int y = 6; y < 8; ++y) {
        for (int x = 6; x < 8; ++x) {
            EXPECT_EQ(t.At(x, y), shadow);
        }
    }
    t.Expect({{8, 8, hilight}, {8, 7, hilight}, {7, 8, hilight}, {5, 5, RGB(192, 192, 192)}});
    EXPECT_EQ(t.Count([&](int, int, COLORREF c) { return c == Blue; }), 0);

    // Natural size cut to the size given.
    TestSurface cut(20, 20);
    DrawStateA(cut.dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 0, 0, 3, 3, DST_ICON);
    EXPECT_EQ(cut.Count([](int, int, COLORREF c) { return c == Blue; }), 1);
    EXPECT_EQ(GetClipBox(cut.dc, nullptr), ERROR);
    RECT box{};
    EXPECT_EQ(GetClipBox(cut.dc, &box), SIMPLEREGION); // the cut did not stick
    EXPECT_EQ(box.right, 20);
    DestroyIcon(icon);
}

TEST(Icons, DisabledPrefixText) {
    TestSurface t(60, 20);
    SelectObject(t.dc, GetStockObject(ANSI_VAR_FONT));
    const char* text = "&Add";
    ASSERT_TRUE(DrawStateA(t.dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, 2, 2, 0, 0,
                           DST_PREFIXTEXT | DSS_DISABLED));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    EXPECT_GT(t.Count([&](int, int, COLORREF c) { return c == shadow; }), 5);
    EXPECT_EQ(t.Count([](int, int, COLORREF c) { return c == Black; }), 0);
    EXPECT_EQ(GetTextColor(t.dc), Black);
    EXPECT_EQ(GetBkMode(t.dc), OPAQUE);
    EXPECT_FALSE(DrawStateA(nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, DST_TEXT));
}

} // namespace
} // namespace gfx::test
