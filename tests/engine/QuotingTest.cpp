#include "sql/IdentifierQuoter.h"
#include "sql/ReservedWords.h"

#include <gtest/gtest.h>

namespace qvsql {
namespace {

const GroupingChars brackets;

TEST(Quoting, WorkedExamples) {
    const std::pair<const char*, const char*> cases[] = {
        {"Order Date", "[Order Date]"},
        {"Zip5", "[Zip5]"},
        {"select", "[select]"},
        {"dbo.Orders", "[dbo.Orders]"},
        {"O'Hara", "[OHara]"},
        {" Name ", "Name"},
        {"[Unit Price]", "[Unit Price]"},
        {"[Price]", "[Price]"},
        {"", ""},
        {"   ", ""},
        {"'", "[]"},
        {"[Unit Price", "[Unit Price]"},
        {"Unit Price]", "[Unit Price]"},
        {"Desc", "[Desc]"},
        {"DESC", "[DESC]"},
        {"Description", "Description"},
        {"A1B", "[A1B]"},
        {"Cost$", "[Cost$]"},
        {"No#", "[No#]"},
        {"\tCity\n", "City"},
    };
    for (const auto& [name, quoted] : cases) {
        EXPECT_EQ(QuoteIdentifier(name, brackets), quoted) << name;
    }
}

TEST(Quoting, OtherGroupingCharacters) {
    const GroupingChars quotes{'"', '"'};
    EXPECT_EQ(QuoteIdentifier("Zip Code", quotes), "\"Zip Code\"");
    EXPECT_EQ(QuoteIdentifier("\"Zip Code\"", quotes), "\"Zip Code\"");
    EXPECT_EQ(QuoteIdentifier("Name", quotes), "Name");
    EXPECT_EQ(QuoteIdentifier("O'Hara Street", GroupingChars{'\'', '\''}), "OHara Street");
    EXPECT_EQ(GroupingChars::FromString("`").open, '[');
    EXPECT_EQ(GroupingChars::FromString("<>x").close, '>');
}

TEST(ReservedWords, LookupIgnoresCase) {
    const auto& words = ReservedWords();
    for (std::string_view word : words) {
        EXPECT_TRUE(IsReservedWord(word)) << word;
        std::string lower(word);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_TRUE(IsReservedWord(lower)) << lower;
    }
    for (const char* other : {"", "Description", "SELECTS", "ORDERS", " SELECT",
                              "CURRENT_TIMESTAMPS", "S\xC3\x89LECT"}) {
        EXPECT_FALSE(IsReservedWord(other)) << other;
    }
}

} // namespace
} // namespace qvsql
