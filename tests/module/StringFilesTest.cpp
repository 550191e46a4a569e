#include "module/InterfaceTexts.h"
#include "module/LanguageNames.h"
#include "module/TextTranslator.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

namespace texts = qvsql::texts;
using qvsql::TranslateText;
using qvsql::test::ReadFile;

std::size_t CountEntries(const std::string& file) {
    std::istringstream lines(file);
    std::size_t entries = 0;
    for (std::string line; std::getline(lines, line);) {
        entries += !line.starts_with(";") && !line.starts_with("[") && line.find('=') != 0 &&
                   line.find('=') != std::string::npos;
    }
    return entries;
}

bool Translates(std::string_view language) {
    return language != "english" && language != "other";
}

// The demo host's copies are the files a host ships: each has every text the library looks
// up, nothing stale, the brand untranslated, and a real translation where one is needed.
TEST(StringFiles, EveryLanguageBesideTheHostTranslatesEveryText) {
    const std::string brand = "Orvane SQL Query Builder - ";
    for (const std::string_view language : qvsql::languageNames) {
        SCOPED_TRACE(language);
        const std::string name = std::string(language) + ".str";
        const std::string installed = std::string(QVSQL_HOST_DIR) + "/" + name;
        const std::string file = ReadFile(installed);
        EXPECT_EQ(file, ReadFile(std::string(QVSQL_LANG_DIR) + "/" + name));
        EXPECT_EQ(CountEntries(file), texts::translated.size());
        for (const std::string_view text : texts::translated) {
            const std::string translation = TranslateText(installed, texts::section, text);
            EXPECT_FALSE(translation.empty()) << text;
            const bool mayStay =
                text == texts::ok || text == texts::syntaxLabel || text == texts::dialogTitle;
            if (!Translates(language)) {
                EXPECT_EQ(translation, text);
            } else if (!mayStay) {
                EXPECT_NE(translation, text);
            }
        }
        EXPECT_TRUE(
            TranslateText(installed, texts::section, texts::dialogTitle).starts_with(brand));
    }
}

} // namespace
