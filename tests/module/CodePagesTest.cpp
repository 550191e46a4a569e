#include "module/CodePages.h"
#include "module/InterfaceTexts.h"
#include "module/LanguageNames.h"
#include "module/TextTranslator.h"
#include "platform/sys/ProfileFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <stdexcept>

namespace {

using qvsql::CodePages;
using qvsql::TranslateText;
using qvsql::test::ReadFile;
using qvsql::test::TempDir;
namespace texts = qvsql::texts;

const std::string fffd = "\xEF\xBF\xBD";

// UTF-8 text in a legacy code page, as a host's old string file has it.
std::string Encode(const std::string& utf8, const char* codePage) {
    const iconv_t cd = iconv_open(codePage, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no converter to ") + codePage);
    }
    std::string out(utf8.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) {
        throw std::runtime_error(std::string("cannot encode in ") + codePage);
    }
    out.resize(out.size() - outLeft);
    return out;
}

bool IsUtf8(const std::string& text) {
    return CodePages::RepairUtf8(text) == text;
}

std::string Cancel(const std::string& path) {
    return TranslateText(path, texts::section, texts::cancel);
}

// Every shipped file, re-encoded in its language's code page as a ported host has it,
// gives the same texts as the UTF-8 original.
TEST(CodePages, LegacyStringFilesReadLikeTheirUtf8Originals) {
    TempDir dir;
    for (const qvsql::Language& language : qvsql::languages) {
        SCOPED_TRACE(language.name);
        const std::string name = std::string(language.name) + ".str";
        const std::string original = std::string(QVSQL_LANG_DIR) + "/" + name;
        const std::string utf8 = ReadFile(original);
        const std::string legacyBytes = Encode(utf8, language.codePage);
        const std::string legacy = dir.Write(name, legacyBytes);
        const auto verdict = qvsql::ProfileFile::JudgeEncoding(legacy.c_str());
        ASSERT_TRUE(verdict);
        EXPECT_EQ(verdict->utf8, legacyBytes == utf8);
        for (const std::string_view text : texts::translated) {
            EXPECT_EQ(TranslateText(legacy, texts::section, text),
                      TranslateText(original, texts::section, text))
                << text;
        }
    }
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string CancelFile(const TempDir& dir, const std::string& name, const std::string& value) {
    return dir.Write(name, "[SQLBuilder]\nCancel=" + value + "\n");
}

// In Shift_JIS and Big5 the second byte of a character may be a backslash (表 is 95 5C,
// 功 is A5 5C): only a backslash of its own starts an escape. The lookup's 1022-byte cut may
// split a character: the half is dropped, in a legacy file as in a UTF-8 one.
TEST(CodePages, SecondBytesAreNeverEscapesAndCutCharactersAreDropped) {
    TempDir dir;
    EXPECT_EQ(Cancel(CancelFile(dir, "jpnjis.str", Encode("表n能r\\n次", "CP932"))), "表n能r\n次");
    EXPECT_EQ(Cancel(CancelFile(dir, "chnbg5.str", Encode("功r許n\\r\\n成", "BIG5"))),
              "功r許n\r\n成");

    const std::string kana = Repeat("キ", 600);
    EXPECT_EQ(Cancel(CancelFile(dir, "shiftjis.str", Encode("a" + kana, "CP932"))),
              "a" + Repeat("キ", 510));
    EXPECT_EQ(Cancel(CancelFile(dir, "english.str", "ab" + kana)), "ab" + Repeat("キ", 340));
}

// Whatever the bytes, the translation is valid UTF-8 and the lookup rules hold.
TEST(CodePages, BadFilesGiveValidText) {
    TempDir dir;
    // Russian bytes in the Polish file: read as Polish, legible or not.
    const std::string wrong = CancelFile(dir, "polish.str", Encode("Отмена", "CP1251"));
    EXPECT_EQ(Cancel(wrong), "Îňěĺíŕ");
    // Undefined and cut double-byte sequences; a lone byte no code page defines.
    EXPECT_EQ(Cancel(CancelFile(dir, "jpnjis.str", "\x85\x40x\xA0\x82")), fffd + "@x" + fffd);
    EXPECT_EQ(Cancel(CancelFile(dir, "thai.str", "\xFC\xA1")), fffd + "ก");
    // A byte-order mark makes a file UTF-8 even when the rest is not.
    const std::string marked =
        dir.Write("korean.str", "\xEF\xBB\xBF[SQLBuilder]\nCancel=\xC3\x28\xE2\x82\n");
    EXPECT_EQ(Cancel(marked), fffd + "(");
    EXPECT_EQ(Cancel(dir.Write("hebrew.str", "\xEF\xBB\xBF")), "");
    // One bad byte anywhere makes the whole file legacy, here at the very end of 10 MB.
    const std::string big =
        dir.Write("russian.str",
                  "[SQLBuilder]\nCancel=Отмена\n;" + std::string(10 * 1024 * 1024, 'x') + "\xFF");
    EXPECT_EQ(Cancel(big), "РћС‚РјРµРЅР°");
    for (const std::string& value : {Cancel(wrong), Cancel(marked), Cancel(big)}) {
        EXPECT_TRUE(IsUtf8(value));
    }
}

// The verdict is kept per file version: a file rewritten in another encoding is judged again.
TEST(CodePages, RewrittenFileIsJudgedAgain) {
    TempDir dir;
    const std::string path = CancelFile(dir, "russian.str", "Отмена");
    EXPECT_EQ(Cancel(path), "Отмена");
    CancelFile(dir, "russian.str", Encode("Отмена", "CP1251"));
    EXPECT_EQ(Cancel(path), "Отмена");
    CancelFile(dir, "russian.str", "Отмена!");
    EXPECT_EQ(Cancel(path), "Отмена!");
}

TEST(CodePages, NamesRepairsAndMissingConverters) {
    EXPECT_STREQ(CodePages::OfStringFile("/opt/app/chngb.str"), "GBK");
    EXPECT_STREQ(CodePages::OfStringFile("chnbg5.str"), "BIG5");
    EXPECT_STREQ(CodePages::OfStringFile("/a.str/vietnamese.str"), "CP1258");
    for (const char* other :
         {"/opt/app/klingon.str", "/opt/thai.str/", "", "/", "thai", "THAI.str"}) {
        EXPECT_STREQ(CodePages::OfStringFile(other), "CP1252") << other;
    }

    // One U+FFFD per bad sequence, as drawing shows it; U+FFFD itself is kept.
    EXPECT_EQ(CodePages::RepairUtf8("a\xC0\x80"
                                    "b"),
              "a" + fffd + fffd + "b");
    EXPECT_EQ(CodePages::RepairUtf8("\xE2\x82x\xEF\xBF\xBD"), fffd + "x" + fffd);
    EXPECT_EQ(CodePages::RepairUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(CodePages::RepairUtf8("x\xFF"), "x" + fffd);

    // Vietnamese tone marks combine with the letter before them, even at the very end.
    EXPECT_EQ(CodePages::Decode(Encode("Hủy bỏ", "CP1258"), "CP1258"), "Hủy bỏ");
    EXPECT_EQ(CodePages::Decode("ab\xE9", "NO-SUCH-CODE-PAGE"), "ab" + fffd);
}

} // namespace
