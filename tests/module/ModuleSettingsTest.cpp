#include "module/ModuleSettings.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace {

using qvsql::ModuleSettings;

std::string ExeFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
}

TEST(ModuleSettings, StartsWithDefaults) {
    const ModuleSettings settings;
    EXPECT_STREQ(settings.GetTable(), "");
    EXPECT_EQ(settings.groupingChars, "[]");
    EXPECT_EQ(settings.languageIndex, 0);
    EXPECT_EQ(settings.stringFilePath, ExeFolder() + "english.str");
}

TEST(ModuleSettings, LanguageOutsideTheTableChangesNothing) {
    ModuleSettings settings;
    settings.SetLanguage(22);
    EXPECT_EQ(settings.languageIndex, 22);
    EXPECT_EQ(settings.stringFilePath, ExeFolder() + "other.str");
    for (const int bad : {23, -1, 1000, INT_MIN}) {
        settings.SetLanguage(bad);
        EXPECT_EQ(settings.languageIndex, 22);
        EXPECT_EQ(settings.stringFilePath, ExeFolder() + "other.str");
    }
    settings.SetLanguage(1);
    EXPECT_EQ(settings.stringFilePath, ExeFolder() + "french.str");
}

TEST(ModuleSettings, GroupingCharsNeedTwoCharacters) {
    ModuleSettings settings;
    settings.SetGroupingChars("\"\"");
    EXPECT_EQ(settings.groupingChars, "\"\"");
    settings.SetGroupingChars("`");
    settings.SetGroupingChars("");
    settings.SetGroupingChars(nullptr);
    EXPECT_EQ(settings.groupingChars, "\"\"");
    settings.SetGroupingChars("<>|");
    EXPECT_EQ(settings.groupingChars, "<>|");
}

TEST(ModuleSettings, CurrentTableAndTranslation) {
    ModuleSettings settings;
    settings.SetCurrentTable("Orders");
    EXPECT_STREQ(settings.GetTable(), "Orders");
    settings.SetCurrentTable(nullptr);
    EXPECT_STREQ(settings.GetTable(), "Orders");

    qvsql::test::TempDir dir;
    settings.stringFilePath = dir.Write("german.str", "[SQLBuilder]\nCancel=Abbrechen\n");
    EXPECT_EQ(settings.Translate("SQLBuilder", "&Cancel"), "Abbrechen");
    EXPECT_EQ(settings.Translate("SQLBuilder", "OK"), "");
}

} // namespace
