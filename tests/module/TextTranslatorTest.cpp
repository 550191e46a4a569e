#include "module/TextTranslator.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using qvsql::BuildStringFilePath;
using qvsql::MakeTranslationKey;
using qvsql::TranslateText;
using qvsql::test::TempDir;

TEST(TextTranslator, PathIsTheExecutableFolderPlusLanguage) {
    EXPECT_EQ(BuildStringFilePath("/opt/app/host", 0), "/opt/app/english.str");
    EXPECT_EQ(BuildStringFilePath("/opt/app/host", 22), "/opt/app/other.str");
    EXPECT_EQ(BuildStringFilePath("/opt/app/", 1), "/opt/app/french.str");
    EXPECT_EQ(BuildStringFilePath("host", 4), "german.str");
    EXPECT_EQ(BuildStringFilePath("/host", 4), "german.str");
    EXPECT_EQ(BuildStringFilePath("//host", 4), "//german.str");
    EXPECT_EQ(BuildStringFilePath("", 0), "english.str");
    EXPECT_EQ(BuildStringFilePath("/a/b", 23), "/a/english.str");
    EXPECT_EQ(BuildStringFilePath("/a/b", -1), "/a/english.str");
}

TEST(TextTranslator, KeyRules) {
    EXPECT_EQ(MakeTranslationKey("&Cancel"), "Cancel");
    EXPECT_EQ(MakeTranslationKey("Save && &Quit"), "Save  Quit");
    EXPECT_EQ(MakeTranslationKey("Open\tCtrl+O"), "Open");
    EXPECT_EQ(MakeTranslationKey("Open..."), "Open");
    EXPECT_EQ(MakeTranslationKey("Wait.. then go"), "Wait");
    EXPECT_EQ(MakeTranslationKey("Add search condition here."), "Add search condition here.");
    EXPECT_EQ(MakeTranslationKey("a.b.c"), "a.b.c");
    EXPECT_EQ(MakeTranslationKey("one\r\ntwo"), "one\rtwo");
    EXPECT_EQ(MakeTranslationKey("a.&.b"), "a..b"); // dots meet only in the text itself
    EXPECT_EQ(MakeTranslationKey("..."), "");
    EXPECT_EQ(MakeTranslationKey("\tx"), "");
}

TEST(TextTranslator, LooksUpTheKeyAndWritesOutEscapes) {
    TempDir dir;
    const std::string path = dir.Write("french.str", "[SQLBuilder]\n"
                                                     "Cancel=Annuler\n"
                                                     "Open=Ouvrir\n"
                                                     "Two=first\\nsecond\n"
                                                     "Crlf=a\\r\\nb\n"
                                                     "Slashes=x\\\\ny\\q\n"
                                                     "Letters=\\R\\N\n"
                                                     "Long=" +
                                                         std::string(3000, 'z') + "\n");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "&Cancel"), "Annuler");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Open...\tCtrl+O"), "Ouvrir");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Two"), "first\nsecond");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Crlf"), "a\r\nb");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Slashes"), "x\\\ny\\q");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Letters"), "\\R\\N");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Long"), std::string(1022, 'z'));
    EXPECT_EQ(TranslateText(path, "SQLBuilder", ""), "");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "..."), "");
    EXPECT_EQ(TranslateText(path, "SQLBuilder", "Missing"), "");
    EXPECT_EQ(TranslateText(path, "Other", "Cancel"), "");
    EXPECT_EQ(TranslateText((dir.Path() / "none.str").string(), "SQLBuilder", "Cancel"), "");
}

} // namespace
