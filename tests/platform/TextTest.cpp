#include "GfxTestSurface.h"
#include "InkPixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace gfx::test {
namespace {

constexpr COLORREF Yellow = RGB(255, 255, 0);

SIZE Extent(HDC dc, const std::string& text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size));
    return size;
}

RECT CalcRect(HDC dc, const char* text, UINT format, RECT r = {0, 0, 1000, 0}) {
    DrawTextA(dc, text, -1, &r, format | DT_CALCRECT);
    return r;
}

TEST(Text, OpaqueModeFillsTheCellsTransparentModeDoesNot) {
    TestSurface t(120, 40);
    SelectObject(t.dc, GetStockObject(ANSI_VAR_FONT));
    SetBkColor(t.dc, Yellow);
    SetTextColor(t.dc, Blue);
    const SIZE size = Extent(t.dc, "Cells");
    ASSERT_TRUE(TextOutA(t.dc, 10, 5, "Cells", 5));
    // The whole cell box is background or ink; nothing outside it changed.
    const RECT inked = t.Inked();
    EXPECT_EQ(inked.left, 10);
    EXPECT_EQ(inked.top, 5);
    EXPECT_EQ(inked.right, 10 + size.cx);
    EXPECT_EQ(inked.bottom, 5 + size.cy);
    EXPECT_EQ(t.At(10, 5), Yellow);
    EXPECT_EQ(t.At(10 + size.cx - 1, 5 + size.cy - 1), Yellow);
    EXPECT_EQ(t.Count([](int, int, COLORREF c) { return c == White; }),
              120 * 40 - size.cx * size.cy);

    SetBkMode(t.dc, TRANSPARENT);
    TextOutA(t.dc, 10, 22, "Cells", 5);
    EXPECT_EQ(t.Count([](int, int y, COLORREF c) { return y >= 22 && c == Yellow; }), 0);
    EXPECT_GT(t.Count([](int, int y, COLORREF c) { return y >= 22 && IsInk(c, Blue, White); }), 5);

    // ETO_OPAQUE fills its rectangle even without text (the framework's solid fill).
    const RECT fill{0, 0, 3, 3};
    SetBkColor(t.dc, Red);
    EXPECT_TRUE(ExtTextOutA(t.dc, 0, 0, ETO_OPAQUE, &fill, nullptr, 0, nullptr));
    EXPECT_EQ(t.At(2, 2), Red);
    EXPECT_EQ(t.At(3, 3), White);
}

TEST(Text, CalcRectAgreesWithTheExtentAndLineCount) {
    TestSurface t(10, 10);
    SelectObject(t.dc, GetStockObject(ANSI_VAR_FONT));
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(t.dc, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GT(tm.tmAveCharWidth, 0);

    const SIZE size = Extent(t.dc, "Where clause");
    RECT r = CalcRect(t.dc, "Where clause", DT_SINGLELINE, {3, 4, 5, 6});
    EXPECT_EQ(r.left, 3);
    EXPECT_EQ(r.right - r.left, size.cx);
    EXPECT_EQ(r.bottom - r.top, size.cy);
    EXPECT_EQ(t.Inked().right, 0); // measuring draws nothing

    r = CalcRect(t.dc, "one\r\ntwo\nthree", 0);
    EXPECT_EQ(r.bottom, 3 * tm.tmHeight);
    EXPECT_EQ(r.right, Extent(t.dc, "three").cx);

    const int wrapWidth = Extent(t.dc, "alpha beta").cx;
    RECT box{0, 0, wrapWidth, 0};
    const int height =
        DrawTextA(t.dc, "alpha beta  alpha beta", -1, &box, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * tm.tmHeight);
    EXPECT_LE(box.right, wrapWidth);
    // A word wider than the rectangle keeps a line of its own.
    box = {0, 0, 5, 0};
    DrawTextA(t.dc, "unbreakable word", -1, &box, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(box.right, Extent(t.dc, "unbreakable").cx);

    EXPECT_EQ(CalcRect(t.dc, "a\tb", DT_EXPANDTABS | DT_SINGLELINE).right,
              8 * tm.tmAveCharWidth + Extent(t.dc, "b").cx);
    EXPECT_EQ(gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT))).cy,
              tm.tmHeight);
}

TEST(Text, PrefixCharactersAreDroppedAndUnderline) {
    TestSurface t(80, 30);
    SelectObject(t.dc, GetStockObject(ANSI_VAR_FONT));
    EXPECT_EQ(CalcRect(t.dc, "&File", DT_SINGLELINE).right, Extent(t.dc, "File").cx);
    EXPECT_EQ(CalcRect(t.dc, "a&&b", DT_SINGLELINE).right, Extent(t.dc, "a&b").cx);
    EXPECT_EQ(CalcRect(t.dc, "&File", DT_SINGLELINE | DT_NOPREFIX).right, Extent(t.dc, "&File").cx);

    TEXTMETRICA tm{};
    GetTextMetricsA(t.dc, &tm);
    SetTextColor(t.dc, Red);
    RECT r{0, 0, 80, 30};
    DrawTextA(t.dc, "&Ham", -1, &r, DT_SINGLELINE);
    // The underline runs below the baseline under "H" only.
    const int underlineRow = [&] {
        for (int y = tm.tmAscent; y < tm.tmHeight; ++y) {
            if (t.At(1, y) == Red) {
                return y;
            }
        }
        return -1;
    }();
    ASSERT_GT(underlineRow, 0);
    const int hWidth = Extent(t.dc, "H").cx;
    EXPECT_EQ(t.At(hWidth - 1, underlineRow), Red);
    EXPECT_EQ(t.Count([&](int x, int y, COLORREF c) {
        return y == underlineRow && x >= hWidth + 1 && c == Red;
    }),
              0);
}

TEST(Text, EndEllipsisAndAlignmentStayInsideTheRectangle) {
    TestSurface t(200, 60);
    SelectObject(t.dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(t.dc, TRANSPARENT);
    RECT r{10, 10, 70, 30};
    DrawTextA(t.dc, "A rather long column heading", -1, &r,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    RECT inked = t.Inked();
    EXPECT_GE(inked.left, 10);
    EXPECT_LE(inked.right, 70);
    EXPECT_GT(inked.right, 60); // the dots reach the right end
    RECT calc{10, 10, 70, 30};
    DrawTextA(t.dc, "A rather long column heading", -1, &calc,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(calc.right, 70);

    // Opaque cells show where the line was placed.
    TestSurface c(100, 40);
    SelectObject(c.dc, GetStockObject(ANSI_VAR_FONT));
    SetBkColor(c.dc, Yellow);
    SetTextColor(c.dc, Yellow);
    TEXTMETRICA tm{};
    GetTextMetricsA(c.dc, &tm);
    RECT cell{0, 0, 100, 40};
    const int result = DrawTextA(c.dc, "Mid", -1, &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const int width = Extent(c.dc, "Mid").cx;
    inked = c.Inked();
    EXPECT_EQ(inked.left, (100 - width) / 2);
    EXPECT_EQ(inked.right, (100 - width) / 2 + width);
    EXPECT_EQ(inked.top, (40 - tm.tmHeight) / 2);
    EXPECT_EQ(result, (40 - tm.tmHeight) / 2 + tm.tmHeight);

    TestSurface right(100, 20);
    SelectObject(right.dc, GetStockObject(ANSI_VAR_FONT));
    SetBkColor(right.dc, Yellow);
    RECT line{0, 0, 100, 20};
    DrawTextA(right.dc, "ll", -1, &line, DT_SINGLELINE | DT_RIGHT);
    EXPECT_EQ(right.Inked().right, 100);
    EXPECT_EQ(right.Inked().left, 100 - Extent(right.dc, "ll").cx);

    // Clipped to the rectangle without DT_NOCLIP.
    TestSurface clip(100, 20);
    RECT small{0, 0, 8, 20};
    DrawTextA(clip.dc, "WWWW", -1, &small, DT_SINGLELINE);
    EXPECT_LE(clip.Inked().right, 8);
}

TEST(Text, BadBytesAndBadArgumentsAreSafe) {
    TestSurface t(50, 20);
    // A sequence cut by a byte limit measures as one replacement character.
    EXPECT_EQ(Extent(t.dc, "ab\xC3").cx, Extent(t.dc, "ab\xEF\xBF\xBD").cx);
    EXPECT_EQ(Extent(t.dc, "\xE2\x82").cx, Extent(t.dc, "\xEF\xBF\xBD").cx);
    EXPECT_GT(Extent(t.dc, "\xFF\xFE").cx, Extent(t.dc, "\xEF\xBF\xBD").cx);

    const std::string huge(200000, 'x');
    RECT r{0, 0, 50, 20};
    EXPECT_GT(DrawTextA(t.dc, huge.c_str(), -1, &r, DT_WORDBREAK | DT_END_ELLIPSIS), 0);
    EXPECT_TRUE(TextOutA(t.dc, -100000, 0, huge.c_str(), static_cast<int>(huge.size())));
    EXPECT_EQ(DrawTextA(t.dc, nullptr, -1, &r, 0), 0);
    EXPECT_EQ(DrawTextA(t.dc, "x", -5, &r, 0), 0);
    EXPECT_EQ(DrawTextA(t.dc, "x", 1, nullptr, 0), 0);
    EXPECT_FALSE(TextOutA(t.dc, 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(t.dc, 0, 0, "x", -1));
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32A(t.dc, nullptr, 2, &size));
    EXPECT_TRUE(GetTextExtentPoint32A(t.dc, "", 0, &size));
    EXPECT_EQ(size.cx, 0);

    // Huge and unknown fonts still resolve to an installed face.
    LOGFONTA log{};
    log.lfHeight = 1 << 30;
    std::snprintf(log.lfFaceName, LF_FACESIZE, "No Such Face At All");
    HFONT big = CreateFontIndirectA(&log);
    SelectObject(t.dc, big);
    EXPECT_TRUE(TextOutA(t.dc, 0, 0, "x", 1));
    SelectObject(t.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(big);
}

TEST(Text, SystemFontIsWiderThanTheDialogFont) {
    const SIZE dialog = gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    const SIZE system = gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    EXPECT_GT(system.cx, dialog.cx);
}

TEST(Text, FontStylesAndClippedOutput) {
    LOGFONTA log{};
    log.lfHeight = -11;
    log.lfUnderline = TRUE;
    HFONT underlined = CreateFontIndirectA(&log);
    TestSurface t(60, 20);
    SetBkMode(t.dc, TRANSPARENT);
    SelectObject(t.dc, underlined);
    TEXTMETRICA tm{};
    GetTextMetricsA(t.dc, &tm);
    EXPECT_EQ(tm.tmUnderlined, 1);
    const SIZE size = Extent(t.dc, "ii ii");
    TextOutA(t.dc, 0, 0, "ii ii", 5);
    // The underline also runs under the blank between the words.
    const int gap = Extent(t.dc, "ii").cx + 1;
    EXPECT_EQ(t.Count([&](int x, int y, COLORREF c) {
        return x == gap && y > tm.tmAscent && y < tm.tmHeight && c == Black;
    }),
              1);
    EXPECT_LE(t.Inked().right, size.cx);

    // Taller cell heights give taller fonts; a positive height is the cell height.
    log.lfUnderline = FALSE;
    log.lfHeight = 20;
    HFONT cell = CreateFontIndirectA(&log);
    SelectObject(t.dc, cell);
    GetTextMetricsA(t.dc, &tm);
    EXPECT_NEAR(tm.tmHeight, 20, 1);
    log.lfHeight = -20;
    log.lfWeight = FW_BOLD;
    log.lfItalic = TRUE;
    HFONT em = CreateFontIndirectA(&log);
    SelectObject(t.dc, em);
    GetTextMetricsA(t.dc, &tm);
    EXPECT_GT(tm.tmHeight, 20);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 20);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);

    // ETO_CLIPPED keeps the glyphs inside the rectangle.
    TestSurface clip(60, 30);
    SelectObject(clip.dc, em);
    const RECT box{0, 0, 10, 30};
    ExtTextOutA(clip.dc, 0, 0, ETO_CLIPPED, &box, "WWW", 3, nullptr);
    EXPECT_LE(clip.Inked().right, 10);
    SelectObject(clip.dc, GetStockObject(SYSTEM_FONT));
    SelectObject(t.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(underlined);
    DeleteObject(cell);
    DeleteObject(em);
}

} // namespace
} // namespace gfx::test
