// Script text to commands: words, strings with escapes, comments, and the line of each error.
#include "automation/ScriptParser.h"
#include "automation/ScriptLexer.h"
#include "platform/base/WinMessages.h"

#include <gtest/gtest.h>

namespace {

using qvsql::ParseScript;
using qvsql::ScriptVerb;

TEST(ScriptParser, ReadsEveryVerbWithItsArguments) {
    const auto parsed = ParseScript("# a comment\n"
                                    "click 1   # trailing comment\n"
                                    "\n"
                                    "choose 1007 \"Print Jobs\"\n"
                                    "expect cell 1011 2 1 \"a\\tb\\n\\\"c\\\\\"\r\n"
                                    "key SHIFT+TAB 3\n"
                                    "key m\n"
                                    "move -5 12\n"
                                    "screenshot out/shot.png\n"
                                    "expect checked 1005 0 1");
    ASSERT_EQ(parsed.errorLine, 0) << parsed.error;
    ASSERT_EQ(parsed.commands.size(), 8u);
    EXPECT_EQ(parsed.commands[0].line, 2);
    EXPECT_EQ(parsed.commands[0].verb, ScriptVerb::Click);
    EXPECT_EQ(parsed.commands[1].text, "Print Jobs");
    EXPECT_EQ(parsed.commands[2].verb, ScriptVerb::ExpectCell);
    EXPECT_EQ(parsed.commands[2].numbers, (std::vector<int>{1011, 2, 1}));
    EXPECT_EQ(parsed.commands[2].text, "a\tb\n\"c\\");
    EXPECT_EQ(parsed.commands[3].numbers, (std::vector<int>{VK_TAB, 1, 3}));
    EXPECT_EQ(parsed.commands[4].numbers, (std::vector<int>{'M', 0, 1})) << "count defaults to 1";
    EXPECT_EQ(parsed.commands[5].numbers, (std::vector<int>{-5, 12}));
    EXPECT_EQ(parsed.commands[6].text, "out/shot.png");
    EXPECT_EQ(parsed.commands[7].line, 10);
    EXPECT_EQ(parsed.commands[7].numbers, (std::vector<int>{1005, 0, 1}));
}

TEST(ScriptParser, AStringKeepsHashesAndBlanks) {
    const auto parsed = ParseScript("type \"# not a comment  \"");
    ASSERT_EQ(parsed.commands.size(), 1u);
    EXPECT_EQ(parsed.commands[0].text, "# not a comment  ");
}

TEST(ScriptParser, ReportsTheFirstBadLineAndKeepsNothing) {
    const std::pair<const char*, const char*> bad[] = {
        {"click 1\nfrobnicate 2", "unknown verb frobnicate"},
        {"click", "click: missing argument"},
        {"click 1 2", "click: too many arguments"},
        {"click x1", "click: expected a number, found x1"},
        {"click 99999999999", "click: expected a number, found 99999999999"},
        {"wait -1", "wait: expected a number from 0 to 60000, found -1"},
        {"wait 2147483647", "wait: expected a number from 0 to 60000, found 2147483647"},
        {"key A 2000000000", "key: expected a number from 0 to 1000, found 2000000000"},
        {"move 2147483647 0", "move: expected a number from -10000 to 10000, found 2147483647"},
        {"up 0 -10001", "up: expected a number from -10000 to 10000, found -10001"},
        {"cell 1008 1000001 0", "cell: expected a number from 0 to 1000000, found 1000001"},
        {"expect checked 1005 0 2", "expect checked: expected 0 or 1, found 2"},
        {"pick Name", "pick: expected a quoted string, found Name"},
        {"key SHIFT+UP", "key: unknown key SHIFT+UP"},
        {"key F13", "key: unknown key F13"},
        {"type \"open", "unterminated string"},
        {"type \"bad \\q\"", "unknown escape \\q"},
        {"type \"a\"b", "text right after a closing quote"},
        {"expect nothing \"x\"", "unknown verb expect"},
        {"\"click\" 1", "unknown verb click"},
    };
    for (const auto& [text, error] : bad) {
        const auto parsed = ParseScript(text);
        EXPECT_EQ(parsed.error, error) << text;
        EXPECT_EQ(parsed.errorLine, std::string(text).rfind('\n') == std::string::npos ? 1 : 2);
        EXPECT_TRUE(parsed.commands.empty());
    }
}

TEST(ScriptParser, KeyNamesAndEmptyInput) {
    EXPECT_EQ(qvsql::KeyCodeOf("RETURN"), VK_RETURN);
    EXPECT_EQ(qvsql::KeyCodeOf("NEXT"), VK_NEXT);
    EXPECT_EQ(qvsql::KeyCodeOf("7"), static_cast<unsigned>('7'));
    EXPECT_EQ(qvsql::KeyCodeOf("z"), static_cast<unsigned>('Z'));
    EXPECT_EQ(qvsql::KeyCodeOf("return"), 0u);
    EXPECT_EQ(qvsql::KeyCodeOf(""), 0u);
    EXPECT_TRUE(ParseScript("").commands.empty());
    EXPECT_EQ(ParseScript("\n\n# only comments\n").errorLine, 0);
    const std::string huge(100000, 'x');
    EXPECT_EQ(ParseScript("type \"" + huge + "\"").commands.at(0).text, huge);
}

} // namespace
