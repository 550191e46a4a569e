// Text in other scripts through the dialog font: fallback faces, shaping, right-to-left order.
#include "GfxTestSurface.h"
#include "InkPixels.h"
#include "platform/gfx/ObjectStore.h"
#include "platform/gfx/TextPainter.h"

#include <gtest/gtest.h>

#include <string>

namespace gfx::test {
namespace {

struct DialogText : TestSurface {
    DialogText(int w = 300, int h = 30) : TestSurface(w, h) {
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)); // -11 "MS Sans Serif"
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    int Width(const std::string& text) {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size));
        return size.cx;
    }
    // Missing-glyph boxes drawn by one DrawTextA call at (x, 0).
    std::uint64_t Draw(const std::string& text, int x = 0) {
        const std::uint64_t before = TextPainter::MissingGlyphsDrawn();
        RECT r{x, 0, surface.Width(), surface.Height()};
        DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_NOPREFIX);
        return TextPainter::MissingGlyphsDrawn() - before;
    }
    const ShapedText& Shaped(const std::string& text) {
        return ObjectStore::Instance().Font(font).Shaped(text);
    }
    HFONT font = nullptr;
};

TEST(ScriptText, EveryScriptOfTheInterfaceDrawsWithoutMissingGlyphsWithinItsMeasure) {
    const char* const samples[] = {
        "Ελληνικά Русский Polski Türkçe",
        "Tiếng Việt: Cột đã chọn",
        "עמודות הטבלה",
        "أعمدة الجدول",
        "คอลัมน์ที่เลือก",
        "选择列 選擇欄位",
        "列を選択 カラム",
        "열 선택",
    };
    for (const char* sample : samples) {
        DialogText t;
        const int width = t.Width(sample);
        EXPECT_EQ(t.Draw(sample, 10), 0u) << sample;
        const RECT ink = t.Inked();
        EXPECT_GT(width, 0) << sample;
        // Side bearings may reach a pixel or two past the advances, no further.
        EXPECT_GE(ink.left, 10 - 2) << sample;
        EXPECT_LE(ink.right, 10 + width + 2) << sample;
        EXPECT_GT(ink.right - ink.left, width / 2) << sample;
    }
}

TEST(ScriptText, HebrewShowsInMirrorOrderOfItsLogicalText) {
    const std::string logical = "שלום עולם";
    // The same letters reversed, forced left to right with LRO ... PDF.
    const std::string reversed = "\u202D"
                                 "םלוע םולש"
                                 "\u202C";
    DialogText a;
    DialogText b;
    a.Draw(logical, 5);
    b.Draw(reversed, 5);
    EXPECT_EQ(a.Width(logical), b.Width(reversed));
    EXPECT_GT(a.Inked().right, 0);
    EXPECT_TRUE(SamePixels(a.surface, b.surface));
    // Without the override the reversed letters are themselves turned around.
    DialogText c;
    c.Draw("םלוע םולש", 5);
    EXPECT_FALSE(SamePixels(a.surface, c.surface));
}

TEST(ScriptText, MarksStayInTheirClusterAndArabicJoins) {
    DialogText t;
    // Thai KO KAI with SARA II and MAI EK: one cluster as wide as the consonant.
    const std::string thai = "กี่";
    ASSERT_EQ(t.Shaped(thai).clusters.size(), 1u);
    EXPECT_EQ(t.Width(thai), t.Width("ก"));
    TextPainter painter(ObjectStore::Instance().Font(t.font), false);
    EXPECT_EQ(painter.Fit(thai, t.Width("ก")), thai.size());
    EXPECT_EQ(painter.Fit(thai, t.Width("ก") - 1), 0u);
    EXPECT_EQ(painter.Fit(thai + thai, t.Width("ก") + 1), thai.size());

    // Vietnamese e with dot below and circumflex as combining marks: one cluster.
    EXPECT_EQ(t.Shaped("e\u0323\u0302").clusters.size(), 1u);
    EXPECT_EQ(t.Draw("Vie\u0323\u0302t"), 0u);

    // Arabic BEH twice: initial and final forms, the first letter on the right.
    const ShapedText& beh = t.Shaped("بب");
    ASSERT_EQ(beh.glyphs.size(), 2u);
    EXPECT_NE(beh.glyphs[0].index, beh.glyphs[1].index);
    EXPECT_EQ(beh.glyphs[0].cluster, 2u);
    EXPECT_EQ(beh.glyphs[1].cluster, 0u);
}

TEST(ScriptText, MixedDirectionsKeepRunsInPlace) {
    DialogText t;
    // A Latin word inside Hebrew keeps its own order; the Hebrew around it is reversed.
    const ShapedText& mixed = t.Shaped("א SQL ב");
    ASSERT_GE(mixed.glyphs.size(), 7u);
    EXPECT_EQ(mixed.glyphs.front().cluster, 7u); // ב (after "א SQL ") leftmost
    EXPECT_EQ(mixed.glyphs.back().cluster, 0u);  // א rightmost
    std::vector<std::uint32_t> latin;
    for (const PlacedGlyph& g : mixed.glyphs) {
        if (g.cluster >= 3 && g.cluster <= 5) {
            latin.push_back(g.cluster);
        }
    }
    EXPECT_EQ(latin, (std::vector<std::uint32_t>{3, 4, 5}));
    // Left-to-right text with a Hebrew word: only the word turns around.
    const ShapedText& ltr = t.Shaped("Table אב");
    EXPECT_EQ(ltr.glyphs.front().cluster, 0u);
    EXPECT_EQ(ltr.glyphs.back().cluster, 6u); // א is the last glyph on the right
}

TEST(ScriptText, HostileTextDrawsBoxesNeverCrashes) {
    DialogText t;
    // An unassigned code point no face has: one missing-glyph box with a width.
    EXPECT_EQ(t.Draw("\u0378"), 1u);
    EXPECT_GT(t.Width("\u0378"), 0);
    const std::string hostile[] = {
        "\u202E\u2067\u202A\u2069\u200F",        // bidi controls, unbalanced
        "\xED\xA0\x80\xED\xB0\x80 \xF4\x90\x80", // encoded surrogates, beyond U+10FFFF
        "\xC3\xD7\x90\xE0\xB8",                  // cut sequences
        "\u0301\u0301\u0301\u0E48",              // marks with nothing to sit on
        std::string("\0\t\r\n", 4),
    };
    for (const std::string& text : hostile) {
        t.Draw(text);
        EXPECT_GE(t.Width(text), 0);
    }
    std::string longMixed;
    for (int i = 0; i < 4000; ++i) {
        longMixed += "aא中ก\u202E";
    }
    EXPECT_GT(t.Width(longMixed), 4000);
    t.Draw(longMixed);
}

} // namespace
} // namespace gfx::test
