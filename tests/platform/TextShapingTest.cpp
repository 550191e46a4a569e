// Lines of simple scripts laid out directly, glyph for glyph what shaping them gives; text
// that needs shaping still shaped, by HarfBuzz opened on that first need, or laid out
// unshaped without it.
#include "module/LanguageNames.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/HarfBuzz.h"
#include "platform/gfx/ObjectStore.h"
#include "platform/gfx/SimpleScript.h"
#include "platform/gfx/TextShaper.h"
#include "tests/dialog/QueryDialogFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace gfx::test {
namespace {

std::string Utf8(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

const HarfBuzz& Library() {
    const HarfBuzz* hb = HarfBuzz::Get();
    EXPECT_NE(hb, nullptr);
    return *hb;
}

bool HarfBuzzMapped() {
    std::ifstream maps("/proc/self/maps");
    const std::string all((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    return all.find("libharfbuzz") != std::string::npos;
}

FontInstance& Font(const char* family, int height, int weight = FW_NORMAL, bool italic = false) {
    LOGFONTA log{};
    log.lfHeight = -height;
    log.lfWeight = weight;
    log.lfItalic = italic ? 1 : 0;
    std::snprintf(log.lfFaceName, sizeof log.lfFaceName, "%s", family);
    return FontLibrary::Instance().Realize(log);
}

FontInstance& DialogFont() {
    return ObjectStore::Instance().Font(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)));
}

ShapedText Direct(FontInstance& font, const std::string& text) {
    return TextShaper(font).Shape(text);
}

ShapedText Shaped(FontInstance& font, const std::string& text) {
    return TextShaper(font, TextShaper::Layout::Shaped).Shape(text);
}

ShapedText Unshaped(FontInstance& font, const std::string& text) {
    return TextShaper(font, TextShaper::Layout::Unshaped).Shape(text);
}

std::vector<std::uint32_t> Clusters(const ShapedText& text) {
    std::vector<std::uint32_t> clusters;
    for (const PlacedGlyph& g : text.glyphs) {
        clusters.push_back(g.cluster);
    }
    return clusters;
}

void ExpectSame(const ShapedText& a, const ShapedText& b, const std::string& text) {
    ASSERT_EQ(a.glyphs.size(), b.glyphs.size()) << text;
    for (std::size_t i = 0; i < a.glyphs.size(); ++i) {
        const PlacedGlyph& g = a.glyphs[i];
        const PlacedGlyph& h = b.glyphs[i];
        EXPECT_EQ(g.font, h.font) << text << " glyph " << i;
        EXPECT_EQ(g.index, h.index) << text << " glyph " << i;
        EXPECT_EQ(g.x, h.x) << text << " glyph " << i;
        EXPECT_EQ(g.y, h.y) << text << " glyph " << i;
        EXPECT_EQ(g.advance, h.advance) << text << " glyph " << i;
        EXPECT_EQ(g.cluster, h.cluster) << text << " glyph " << i;
    }
    ASSERT_EQ(a.clusters.size(), b.clusters.size()) << text;
    for (std::size_t i = 0; i < a.clusters.size(); ++i) {
        EXPECT_EQ(a.clusters[i].byte, b.clusters[i].byte) << text;
        EXPECT_EQ(a.clusters[i].advance, b.clusters[i].advance) << text;
    }
    EXPECT_EQ(a.width, b.width) << text;
}

TEST(TextShaping, SimpleLinesGiveTheGlyphsAdvancesAndClustersShapingGives) {
    FontInstance* fonts[] = {&DialogFont(), &Font("DejaVu Sans", 15, FW_BOLD),
                             &Font("Liberation Serif", 20, FW_NORMAL, true)};
    const char* lines[] = {
        "Sélection des colonnes", "office AV To Wö Ta ƒ",        "Ελληνικά Русский",
        "Ͱ, «x» 12,5 µm² × ÷",    "tab\there\x01 nbsp\u00a0end", "Thành phố đã chọn"};
    for (FontInstance* font : fonts) {
        for (char32_t cp = 0; cp < 0x1F00; cp = cp == 0x500 ? 0x1E00 : cp + 1) {
            if (IsSimpleCodePoint(cp)) {
                const std::string line = "a" + Utf8(cp) + "b";
                ExpectSame(Direct(*font, line), Shaped(*font, line), line);
            }
        }
        for (const char* line : lines) {
            ExpectSame(Direct(*font, line), Shaped(*font, line), line);
        }
    }
}

// The predicates the direct layout itemizes with agree with HarfBuzz's Unicode data.
TEST(TextShaping, SimpleCodePointsAreUnmarkedLettersAndNeutralsOfUnshapedScripts) {
    const HarfBuzz& hb = Library();
    int simple = 0;
    for (char32_t cp = 0; cp < 0x2000; ++cp) {
        const hb_script_t script = hb.Script(cp);
        const bool neutral = script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
                             script == HB_SCRIPT_UNKNOWN;
        if (!IsSimpleCodePoint(cp)) {
            continue;
        }
        ++simple;
        EXPECT_EQ(IsNeutralSimple(cp), neutral) << std::hex << static_cast<unsigned>(cp);
        EXPECT_TRUE(neutral || script == HB_SCRIPT_LATIN || script == HB_SCRIPT_GREEK ||
                    script == HB_SCRIPT_COPTIC || script == HB_SCRIPT_CYRILLIC)
            << std::hex << static_cast<unsigned>(cp);
        switch (hb.Category(cp)) {
        case HB_UNICODE_GENERAL_CATEGORY_FORMAT:
        case HB_UNICODE_GENERAL_CATEGORY_UNASSIGNED:
        case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
            ADD_FAILURE() << std::hex << static_cast<unsigned>(cp) << " needs shaping";
            break;
        default:
            break;
        }
    }
    EXPECT_GT(simple, 1200); // Latin with its extensions, Greek, Cyrillic
    EXPECT_FALSE(IsSimpleCodePoint(0x0301));
    EXPECT_FALSE(IsSimpleCodePoint(0x00AD)); // soft hyphen: a format character
    EXPECT_FALSE(IsSimpleCodePoint(0x0483)); // Cyrillic titlo
}

TEST(TextShaping, ACharacterThePrimaryFontLacksTakesTheSameFallbackFace) {
    FontInstance& dialog = DialogFont();
    ASSERT_FALSE(dialog.Has(U'Ͱ'));
    FontInstance* fallback = FontLibrary::Instance().Fallback(dialog, U'Ͱ');
    ASSERT_NE(fallback, nullptr);
    // The comma and the blank after the fallback letter stay in its face; 'o' goes back.
    const std::string line = "HͰ, ok";
    const ShapedText direct = Direct(dialog, line);
    ExpectSame(direct, Shaped(dialog, line), line);
    ASSERT_EQ(direct.glyphs.size(), 6u);
    const FontInstance* faces[] = {&dialog, fallback, fallback, fallback, &dialog, &dialog};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(direct.glyphs[i].font, faces[i]) << i;
    }
}

TEST(TextShaping, MarksAndJoiningScriptsAreShaped) {
    FontInstance& dialog = DialogFont();
    // A combining acute after e and after alpha: composed into the precomposed letter's glyph.
    for (const auto& [decomposed, composed] :
         {std::pair<std::string, char32_t>{"e\u0301", U'é'}, {"\u03b1\u0301", U'ά'}}) {
        const ShapedText text = Direct(dialog, decomposed);
        ASSERT_EQ(text.glyphs.size(), 1u) << decomposed;
        EXPECT_EQ(text.clusters.size(), 1u) << decomposed;
        EXPECT_EQ(text.glyphs[0].index, text.glyphs[0].font->Index(composed)) << decomposed;
    }
    // Arabic BEH twice: initial and final forms, neither the nominal glyph.
    const ShapedText beh = Direct(dialog, "بب");
    ASSERT_EQ(beh.glyphs.size(), 2u);
    for (const PlacedGlyph& g : beh.glyphs) {
        EXPECT_NE(g.index, g.font->Index(U'ب'));
    }
    // Devanagari KA with the vowel sign I: the sign is drawn before the consonant.
    const ShapedText ki = Direct(dialog, "कि");
    ASSERT_EQ(ki.glyphs.size(), 2u);
    EXPECT_EQ(ki.glyphs[0].index, ki.glyphs[0].font->Index(U'ि'));
}

// Without HarfBuzz: every character its nominal glyph, right-to-left runs still reordered.
TEST(TextShaping, WithoutHarfBuzzTextIsLaidOutUnshapedInDisplayOrder) {
    FontInstance& dialog = DialogFont();
    const ShapedText beh = Unshaped(dialog, "بب");
    ASSERT_EQ(beh.glyphs.size(), 2u);
    EXPECT_EQ(Clusters(beh), (std::vector<std::uint32_t>{2, 0}));
    EXPECT_EQ(beh.glyphs[0].index, beh.glyphs[0].font->Index(U'ب'));
    EXPECT_EQ(Clusters(Unshaped(dialog, "e\u0301")), (std::vector<std::uint32_t>{0, 1}));
    // Hebrew around a Latin word: the same display order as shaped.
    const std::string mixed = "א SQL ב";
    EXPECT_EQ(Clusters(Unshaped(dialog, mixed)), Clusters(Shaped(dialog, mixed)));
    // Simple lines are laid out directly either way.
    ExpectSame(Unshaped(dialog, "Ελληνικά"), Direct(dialog, "Ελληνικά"), "Ελληνικά");

    // A library that is missing, or lacks the functions, gives no table.
    EXPECT_FALSE(HarfBuzz("libharfbuzz-absent.so.0").Ok());
    const HarfBuzz libc("libc.so.6");
    EXPECT_FALSE(libc.Ok());
    EXPECT_NE(libc.Error().find("hb_"), std::string::npos) << libc.Error();
}

} // namespace
} // namespace gfx::test

namespace dialogtest {
namespace {

class LazyShapingTest : public QueryDialogFixture {};

// In a process of its own: a dialog in Vietnamese over names in Latin, Greek and Cyrillic
// draws its first frame without HarfBuzz; the first Arabic line opens it.
TEST_F(LazyShapingTest, ALatinDialogDrawsWithoutHarfBuzzUntilALineNeedsShaping) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto dialogThenArabic = [this] {
        Dlg().SetTableAndColumns("Clients", "Prénom\tΚωδικός\tГород\tŁódź\t");
        settings.currentTable = "Clients";
        settings.languageIndex = static_cast<int>(
            std::find(qvsql::languageNames.begin(), qvsql::languageNames.end(), "vietnamese") -
            qvsql::languageNames.begin());
        settings.stringFilePath = std::string(QVSQL_SOURCE_DIR) + "/resources/lang/vietnamese.str";
        bool mappedAtFirstFrame = true;
        Run({[&](backend::HeadlessBackend&) {
            RedrawWindow(Dlg().m_hWnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            mappedAtFirstFrame = gfx::test::HarfBuzzMapped();
        }});
        gfx::test::DialogFont().Shaped("أعمدة");
        std::exit((mappedAtFirstFrame ? 1 : 0) + (gfx::test::HarfBuzzMapped() ? 0 : 2));
    };
    EXPECT_EXIT(dialogThenArabic(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace dialogtest
