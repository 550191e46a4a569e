#include "GfxTestSurface.h"
#include "platform/gfx/Png.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace gfx::test {
namespace {

TEST(GdiObjects, StaleForeignAndNullHandlesFail) {
    TestSurface t(10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, Red);
    ASSERT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_EQ(SelectObject(t.dc, pen), nullptr);
    EXPECT_EQ(GetObjectA(pen, 0, nullptr), 0);
    EXPECT_EQ(GetCurrentObject(t.dc, OBJ_PEN), GetStockObject(BLACK_PEN));

    // A DC handle is no GDI object and the other way round; neither is an arbitrary value.
    EXPECT_EQ(SelectObject(t.dc, reinterpret_cast<HGDIOBJ>(t.dc)), nullptr);
    HGDIOBJ brush = GetStockObject(BLACK_BRUSH);
    EXPECT_EQ(GetBkMode(reinterpret_cast<HDC>(brush)), 0);
    EXPECT_EQ(SaveDC(reinterpret_cast<HDC>(0x12345678)), 0);
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(&t)));

    HDC gone = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(gone));
    EXPECT_FALSE(DeleteDC(gone));
    const RECT r{0, 0, 5, 5};
    EXPECT_FALSE(FillRect(gone, &r, static_cast<HBRUSH>(brush)));
    EXPECT_FALSE(LineTo(gone, 3, 3));
    EXPECT_FALSE(BitBlt(t.dc, 0, 0, 5, 5, gone, 0, 0, SRCCOPY));
    EXPECT_EQ(DrawTextA(gone, "x", 1, const_cast<RECT*>(&r), 0), 0);
    EXPECT_EQ(CreateCompatibleDC(gone), nullptr);
    EXPECT_EQ(CreateSurfaceDC(nullptr, POINT{}, Region()), nullptr);
    EXPECT_FALSE(FillRect(t.dc, nullptr, static_cast<HBRUSH>(brush)));
    EXPECT_FALSE(GetTextMetricsA(t.dc, nullptr));
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);

    // Stock objects survive deletion.
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_EQ(GetObjectType(t.dc), OBJ_DC);
}

TEST(GdiObjects, BitmapsSelectIntoOneMemoryDcAtATime) {
    TestSurface t(10, 10);
    HBITMAP empty = CreateCompatibleBitmap(t.dc, 0, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(t.dc, -1, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(t.dc, 100000, 100000), nullptr);
    BITMAP bm;
    EXPECT_EQ(GetObjectA(empty, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 0);

    HDC a = CreateCompatibleDC(t.dc);
    HDC b = CreateCompatibleDC(nullptr);
    HGDIOBJ defaultBitmap = SelectObject(a, empty);
    ASSERT_NE(defaultBitmap, nullptr);
    EXPECT_EQ(GetObjectA(defaultBitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(SelectObject(b, empty), nullptr);
    EXPECT_EQ(SelectObject(t.dc, empty), nullptr); // only memory DCs hold bitmaps

    // Drawing into and copying out of an empty bitmap touches nothing.
    const RECT r{0, 0, 5, 5};
    EXPECT_TRUE(FillRect(a, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_TRUE(BitBlt(t.dc, 0, 0, 5, 5, a, 0, 0, SRCCOPY));
    EXPECT_EQ(t.Inked().right, 0);
    RECT box{};
    EXPECT_EQ(GetClipBox(a, &box), NULLREGION);

    // Deleting a selected bitmap waits until it is selected out.
    EXPECT_TRUE(DeleteObject(empty));
    EXPECT_EQ(GetObjectType(empty), OBJ_BITMAP);
    SelectObject(a, defaultBitmap);
    EXPECT_EQ(GetObjectType(empty), 0u);
    DeleteDC(a);
    DeleteDC(b);

    const std::uint32_t bits[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    HBITMAP made = CreateBitmap(2, 2, 1, 32, bits);
    EXPECT_EQ(CreateBitmap(2, 2, 1, 8, bits), nullptr);
    HDC mem = CreateCompatibleDC(t.dc);
    SelectObject(mem, made);
    EXPECT_EQ(GetPixel(mem, 0, 0), Red);
    EXPECT_EQ(GetPixel(mem, 0, 1), Blue);
    DeleteDC(mem); // releases the selection
    EXPECT_TRUE(DeleteObject(made));
}

TEST(GdiObjects, FontsPensAndSystemColours) {
    LOGFONTA in{};
    in.lfHeight = -13;
    in.lfWeight = FW_BOLD;
    std::strcpy(in.lfFaceName, "MS Shell Dlg 2");
    HFONT font = CreateFontIndirectA(&in);
    LOGFONTA out{};
    ASSERT_EQ(GetObjectA(font, sizeof out, &out), static_cast<int>(sizeof out));
    EXPECT_EQ(out.lfHeight, -13);
    EXPECT_STREQ(out.lfFaceName, "MS Shell Dlg 2");
    EXPECT_EQ(GetObjectA(font, 4, &out), 0);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    DeleteObject(font);

    // Window, face and shadow are pinned by ButtonTest's and EditTest's pixels.
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(31), 0u);
    EXPECT_EQ(GetSysColorBrush(-1), nullptr);

    // A system colour brush follows a changed colour.
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const int index = COLOR_BTNFACE;
    const COLORREF green = RGB(0, 255, 0);
    SetSysColorValues(1, &index, &green);
    TestSurface t(4, 4);
    const RECT all{0, 0, 4, 4};
    FillRect(t.dc, &all, face);
    EXPECT_EQ(t.At(2, 2), green);
    const COLORREF classic = RGB(192, 192, 192);
    SetSysColorValues(1, &index, &classic);
    SetSysColorValues(1, nullptr, &classic);
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(GetObjectType(face), OBJ_BRUSH);
}

TEST(GdiObjects, SurfaceBasicsAndPngRoundTrip) {
    Surface s(4, 3);
    EXPECT_EQ(s.ColorAt(3, 2), White);
    EXPECT_EQ(s.ColorAt(4, 0), 0u);
    EXPECT_EQ(s.Row(3), nullptr);
    s.Fill(RECT{-5, -5, 2, 2}, Blue);
    EXPECT_EQ(s.ColorAt(1, 1), Blue);
    EXPECT_EQ(s.Row(0)[0], 0x0000FFu); // 0x00RRGGBB
    s.Resize(6, 2);
    EXPECT_EQ(s.ColorAt(1, 1), Blue);
    EXPECT_EQ(s.ColorAt(5, 1), White);
    EXPECT_EQ(Surface(0, 5).Width(), 0);
    EXPECT_EQ(Surface(-3, 5).Row(0), nullptr);

    const std::string path = ::testing::TempDir() + "gfx_roundtrip.png";
    ASSERT_TRUE(WritePng(s, path));
    Surface back;
    ASSERT_TRUE(ReadPng(path, back));
    EXPECT_EQ(back.Width(), 6);
    EXPECT_EQ(back.ColorAt(0, 0), Blue);
    EXPECT_EQ(back.ColorAt(5, 1), White);
    std::remove(path.c_str());
    EXPECT_FALSE(ReadPng(path, back));
    EXPECT_FALSE(WritePng(Surface(), path));
}

} // namespace
} // namespace gfx::test
