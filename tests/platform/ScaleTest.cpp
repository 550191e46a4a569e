// Drawing at a display scale: the same logical calls give the same picture, each logical pixel
// a block of scale x scale pixels; text is rasterised at the larger size; the scale comes
// from QVSQL_SCALE or Xft.dpi, with nonsense taken as 1.
#include "GfxTestSurface.h"
#include "InkPixels.h"
#include "platform/gfx/DisplayScale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace gfx::test {
namespace {

TEST(Scale, ComesFromTheEnvironmentOrXftDpiAndNonsenseIsOne) {
    EXPECT_EQ(ScaleFromDpi("96"), 1);
    EXPECT_EQ(ScaleFromDpi(" 192 "), 2);
    EXPECT_EQ(ScaleFromDpi("144"), 2); // 1.5 rounds up
    EXPECT_EQ(ScaleFromDpi("120"), 1);
    EXPECT_EQ(ScaleFromDpi("288.0"), 3);
    EXPECT_EQ(ScaleFromDpi("480"), 3); // more than the largest factor: the largest
    for (const char* bad : {"0", "-192", "1e9", "192abc", "abc", "", "nan", "inf", "0x1"}) {
        EXPECT_EQ(ScaleFromDpi(bad), 1) << bad;
    }
    EXPECT_EQ(ScaleFromResources("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 2);
    EXPECT_EQ(ScaleFromResources("Xft.antialias:\t1\n"), 1);
    EXPECT_EQ(ScaleFromResources("Xft.dpi:"), 1);
    EXPECT_EQ(ScaleFromResources(std::string(100000, '\n')), 1);

    const char* saved = std::getenv("QVSQL_SCALE");
    const std::string keep = saved ? saved : "";
    setenv("QVSQL_SCALE", "3", 1);
    EXPECT_EQ(ScaleFromEnvironment(), 3);
    for (const char* bad : {"7", "0", "2x", "-1", ""}) {
        setenv("QVSQL_SCALE", bad, 1);
        EXPECT_EQ(ScaleFromEnvironment(), 0) << bad;
    }
    saved ? setenv("QVSQL_SCALE", keep.c_str(), 1) : unsetenv("QVSQL_SCALE");

    SetDisplayScale(2);
    EXPECT_EQ(LogicalFromPixel(3), 1);
    EXPECT_EQ(LogicalFromPixel(-1), -1);
    SetDisplayScale(9);
    EXPECT_EQ(DisplayScale(), 1);
}

// Frames, edges, lines, dots, fills, a focus rectangle, an inverted rectangle and an icon.
void DrawScene(HDC dc) {
    RECT r{2, 2, 30, 20};
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    r = {34, 2, 60, 22};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 128, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, 4, 30, nullptr);
    LineTo(dc, 14, 38); // a check-mark-like stroke
    LineTo(dc, 28, 24);
    SelectObject(dc, old);
    DeleteObject(pen);
    SetPixel(dc, 70, 5, RGB(255, 0, 0));
    r = {40, 26, 58, 38};
    DrawFocusRect(dc, &r);
    PatBlt(dc, 64, 4, 10, 6, DSTINVERT);
    // A 4 x 4 icon with transparent corners, stretched to 16 x 16.
    COLORREF colours[16];
    BYTE mask[16];
    for (int i = 0; i < 16; ++i) {
        colours[i] = (i + i / 4) % 2 ? RGB(0, 0, 255) : RGB(255, 255, 0);
        mask[i] = i == 0 || i == 3 || i == 12 || i == 15;
    }
    HICON icon = CreateIconFromPixels(4, 4, colours, mask);
    DrawIconEx(dc, 82, 2, icon, 16, 16, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}

TEST(Scale, EveryPrimitiveDrawsTheSamePictureInBlocks) {
    TestSurface one(100, 40);
    DrawScene(one.dc);
    Surface big(100, 40, 2);
    HDC dc = CreateSurfaceDC(&big, POINT{}, Region(RECT{0, 0, 100, 40}));
    DrawScene(dc);
    DeleteDC(dc);
    ASSERT_EQ(big.PixelWidth(), 200);
    ASSERT_EQ(big.PixelHeight(), 80);
    int inked = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(big.ColorAt(x, y), one.At(x / 2, y / 2)) << x << "," << y;
            inked += big.ColorAt(x, y) != White;
        }
    }
    EXPECT_GT(inked, 400);
}

TEST(Scale, CopiesKeepPixelsSharpAcrossScales) {
    // A 2 x 1 bitmap at scale 1 copied to a surface at scale 3: blocks of 3 x 3.
    const std::uint32_t bits[] = {0xFF0000, 0x0000FF};
    HBITMAP small = CreateBitmap(2, 1, 1, 32, bits);
    Surface big(4, 2, 3);
    HDC target = CreateSurfaceDC(&big, POINT{}, Region(RECT{0, 0, 4, 2}));
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(memory, small);
    ASSERT_TRUE(BitBlt(target, 1, 1, 2, 1, memory, 0, 0, SRCCOPY));
    for (int y = 3; y < 6; ++y) {
        for (int x = 3; x < 6; ++x) {
            EXPECT_EQ(big.ColorAt(x, y), Red);
            EXPECT_EQ(big.ColorAt(x + 3, y), Blue);
        }
    }
    EXPECT_EQ(big.ColorAt(2, 3), White);
    EXPECT_EQ(big.ColorAt(9, 3), White);
    // A compatible bitmap takes the target's scale; copying it back changes nothing.
    HBITMAP compatible = CreateCompatibleBitmap(target, 4, 2);
    SelectObject(memory, compatible);
    ASSERT_TRUE(BitBlt(memory, 0, 0, 4, 2, target, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(memory, 1, 1), Red);
    const Surface before = big;
    ASSERT_TRUE(BitBlt(target, 0, 0, 4, 2, memory, 0, 0, SRCCOPY));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(big.ColorAt(x, y), before.ColorAt(x, y));
        }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteDC(target);
    DeleteObject(small);
    DeleteObject(compatible);
}

TEST(Scale, TextMeasuresLogicallyAndIsRasterisedAtTheLargerSize) {
    const std::string text = "Where clause שלום กี่ 中文";
    TestSurface one(200, 20);
    Surface big(200, 20, 2);
    HDC dc = CreateSurfaceDC(&big, POINT{}, Region(RECT{0, 0, 200, 20}));
    SIZE small{};
    SIZE large{};
    for (HDC each : {one.dc, dc}) {
        SelectObject(each, GetStockObject(ANSI_VAR_FONT));
        SetBkMode(each, TRANSPARENT);
        SetTextColor(each, Blue);
        TextOutA(each, 10, 2, text.c_str(), static_cast<int>(text.size()));
    }
    GetTextExtentPoint32A(one.dc, text.c_str(), static_cast<int>(text.size()), &small);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &large);
    DeleteDC(dc);
    EXPECT_EQ(large.cx, small.cx);
    EXPECT_EQ(large.cy, small.cy);
    // The ink lies within the scaled cell, and it is not the small picture enlarged: some 2 x 2
    // blocks mix colours.
    int mixed = 0;
    for (int y = 0; y < 40; y += 2) {
        for (int x = 0; x < 400; x += 2) {
            const COLORREF c = big.ColorAt(x, y);
            if (IsInk(c, Blue, White) || IsInk(big.ColorAt(x + 1, y + 1), Blue, White)) {
                EXPECT_GE(x, 2 * 10 - 4);
                EXPECT_LE(x, 2 * (10 + small.cx) + 4);
            }
            mixed += c != big.ColorAt(x + 1, y) || c != big.ColorAt(x, y + 1) ||
                     c != big.ColorAt(x + 1, y + 1);
        }
    }
    EXPECT_GT(mixed, 50);
}

} // namespace
} // namespace gfx::test
