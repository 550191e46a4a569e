#include "tests/support/ChildProcess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace qvsql::test {
namespace {

using Json = nlohmann::json;

ProcessResult Qvsql(const std::vector<std::string>& args, const std::string& input = "") {
    return ChildProcess::Run(QVSQL_CLI_PATH, args, input);
}

// Runs a JSON command and parses its answer.
Json RunJson(const std::vector<std::string>& args, const std::string& input) {
    ProcessResult run = Qvsql(args, input);
    EXPECT_EQ(run.status, 0) << run.err;
    return Json::parse(run.out);
}

const char* const workedStatement = "SELECT Name,[Zip Code] FROM Customers WHERE  ( City = "
                                    "'Paris' ) OR ( Name LIKE 'A%' )  ORDER BY Name DESC";

const char* const workedSnapshot = R"({
  "columnList": [{"text": "*", "checked": false}, {"text": "ID"},
                 {"text": "Name", "checked": true}, {"text": "City"},
                 {"text": "Zip Code", "checked": true}],
  "table": "Customers",
  "where": [{"andOr": "", "field": "City", "operator": "=", "value": "'Paris'"},
            {"andOr": "OR", "field": "Name", "operator": "LIKE", "value": "'A%'"}],
  "orderBy": [{"field": "ID"}, {"checked": true, "field": "Name", "direction": "DESC"},
              {"field": "City"}, {"field": "Zip Code"}],
  "someUnknownKey": 42
})";

TEST(QvsqlCli, WorkedExampleComposesSplitsAndReadsBack) {
    Json composed = RunJson({"compose"}, workedSnapshot);
    EXPECT_EQ(composed, (Json{{"result", true},
                              {"sqlText", workedStatement},
                              {"errorText", ""},
                              {"lastWpClause", ""}}));

    const Json splitExpected = Json::parse(R"j({"ok": true, "columns": ["Name", "Zip Code"],
        "table": "Customers", "conditions": ["0( City = 'Paris' )", "2( Name LIKE 'A%' )"],
        "sort": ["Name DESC"]})j");
    EXPECT_EQ(RunJson({"split"}, workedStatement), splitExpected);

    const Json readBackExpected = Json::parse(R"({"split": true,
        "columnList": [{"text": "*", "checked": false}, {"text": "ID", "checked": false},
                       {"text": "Name", "checked": true}, {"text": "City", "checked": false},
                       {"text": "Zip Code", "checked": true}],
        "where": [{"andOr": "", "field": "City", "operator": "=", "value": "'Paris'"},
                  {"andOr": "OR", "field": "Name", "operator": "LIKE", "value": "'A%'"}],
        "orderBy": [{"checked": false, "field": "ID", "direction": ""},
                    {"checked": true, "field": "Name", "direction": "DESC"},
                    {"checked": false, "field": "City", "direction": ""},
                    {"checked": false, "field": "Zip Code", "direction": ""}]})");
    Json request{{"sqlText", workedStatement},
                 {"tableColumns", {"ID", "Name", "City", "Zip Code"}}};
    EXPECT_EQ(RunJson({"readback"}, request.dump()), readBackExpected);
}

TEST(QvsqlCli, QuotesNames) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    // The quoting itself is the engine's; here only what the command line adds.
    const Case cases[] = {
        {{"quote", "--grouping", "\"\"", "Order Date"}, "\"Order Date\""},
        {{"quote", "--grouping", "x", "Order Date"}, "[Order Date]"},
        {{"quote", "--", "--odd name"}, "[--odd name]"},
    };
    for (const Case& c : cases) {
        ProcessResult run = Qvsql(c.args);
        EXPECT_EQ(run.status, 0) << c.args.back();
        EXPECT_EQ(run.out, c.expected + "\n") << c.args.back();
    }
}

TEST(QvsqlCli, ComposeReportsErrorsAndWhenPrintedValues) {
    struct Case {
        const char* snapshot;
        bool result;
        const char* sqlText;
        const char* errorText;
    };
    const Case cases[] = {
        {R"({"table": "T", "sqlText": "old"})", false, "old", "Syntax Error: SELECT ?Columns?"},
        {R"({"columnList": [{"text": "*", "checked": true}]})", false, "",
         "Syntax Error: SELECT Columns FROM ?table?"},
        {R"({"columnList": [{"text": "*", "checked": true}], "table": "T",
             "where": [{"field": "a", "operator": "=", "value": "1"},
                       {"andOr": "   ", "field": "a", "operator": "=", "value": "2"}]})",
         false, "", "Syntax Error: WHERE clause."},
        {R"({"wpValues": ["{'Which column?'|'NAME'}"], "lastWpClause": "SELECT",
             "table": "Customers"})",
         true, "SELECT {'Which column?'|'NAME'} FROM Customers ", ""},
        {R"({"columnList": [{"text": "*", "checked": true}], "table": "Customers",
             "schemaMap": {"Customers": "dbo\tCustomers"}, "groupingChars": "\"\""})",
         true, "SELECT * FROM \"dbo\".\"Customers\" ", ""},
        {R"({"ready": false, "sqlText": "kept", "errorText": "old error"})", true, "kept",
         "old error"},
    };
    for (const Case& c : cases) {
        Json out = RunJson({"compose"}, c.snapshot);
        EXPECT_EQ(out["result"], c.result) << c.snapshot;
        EXPECT_EQ(out["sqlText"], c.sqlText) << c.snapshot;
        EXPECT_EQ(out["errorText"], c.errorText) << c.snapshot;
        EXPECT_EQ(out["lastWpClause"], "") << c.snapshot;
    }
}

TEST(QvsqlCli, BadUsageAndBadJsonExitWithStatus2) {
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"frobnicate"},
        {"quote"},
        {"quote", "a", "b"},
        {"quote", "--bogus", "x", "a"},
        {"quote", "a", "--grouping"},
        {"translate", "OK"},
        {"string-file-path"},
        {"string-file-path", "/a/b", "seven"},
        {"compose", "extra"},
    };
    for (const auto& args : usages) {
        ProcessResult run = Qvsql(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"compose", ""},
        {"compose", "not json"},
        {"compose", "[1, 2]"},
        {"compose", R"({"table": 5})"},
        {"compose", R"({"ready": "yes"})"},
        {"compose", R"({"wpFlags": [1]})"},
        {"compose", R"({"columnList": [{"text": 1}]})"},
        {"compose", R"({"where": {"field": "a"}})"},
        {"compose", R"({"orderBy": ["Name"]})"},
        {"compose", R"({"schemaMap": {"T": 3}})"},
        {"readback", R"({"tableColumns": [1]})"},
        {"readback", R"({"sqlText": null})"},
        {"readback", R"({"sqlText": "SELECT * FROM t")"},
    };
    for (const auto& [command, input] : inputs) {
        ProcessResult run = Qvsql({command}, input);
        EXPECT_EQ(run.status, 2) << input;
        EXPECT_NE(run.err.find("bad JSON"), std::string::npos) << input;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(QvsqlCli, ControlCharactersAndInvalidUtf8PassThrough) {
    ProcessResult split = Qvsql({"split"}, "SELECT a\tb,c\x01"
                                           "d FROM t\xff");
    ASSERT_EQ(split.status, 0);
    EXPECT_NE(split.out.find(R"("a\tb")"), std::string::npos);
    Json pieces = Json::parse(split.out);
    EXPECT_EQ(pieces["columns"], (Json{"a\tb", "c\x01"
                                               "d"}));
    EXPECT_EQ(pieces["table"], "t\xEF\xBF\xBD");

    Json composed = RunJson({"compose"}, "{\"columnList\": [{\"text\": \"*\", \"checked\": true}],"
                                         " \"table\": \"T\xff\", \"where\": [{\"field\": \"a\","
                                         " \"operator\": \"=\", \"value\": \"x\\ty\\u0002\"}]}");
    EXPECT_EQ(composed["sqlText"], "SELECT * FROM T\xEF\xBF\xBD WHERE  ( a = x\ty\x02 ) ");

    ProcessResult quote = Qvsql({"quote", "a\x01\xff"});
    EXPECT_EQ(quote.out, "a\x01\xff\n");
}

// The key rules and the path rules are the translator's (TextTranslatorTest); here what the
// command line adds: its options, the escapes written out, a bad number.
TEST(QvsqlCli, TranslatesAndBuildsStringFilePaths) {
    std::filesystem::path file = ::testing::TempDir() + "qvsql_cli_french.str";
    std::ofstream(file) << "[SQLBuilder]\nOK=Valider\nOpen=Ouvrir\\nun fichier\n"
                           "[Other]\nOK=Autre\n";
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    const Case cases[] = {
        {{"translate", "--file", file.string(), "OK"}, "Valider"},
        {{"translate", "--file", file.string(), "Open..."}, "Ouvrir\nun fichier"},
        {{"translate", "--file", file.string(), "--section", "Other", "OK"}, "Autre"},
        {{"translate", "--section=Other", "OK", "--file=" + file.string()}, "Autre"},
        {{"string-file-path", "/opt/app/host"}, "/opt/app/english.str"},
        {{"string-file-path", "--", "/opt/app/host", "-1"}, "/opt/app/english.str"},
        {{"string-file-path", "/opt/app/host", "99999999999999999999"}, "/opt/app/english.str"},
    };
    for (const Case& c : cases) {
        ProcessResult run = Qvsql(c.args);
        EXPECT_EQ(run.status, 0) << c.args.back() << run.err;
        EXPECT_EQ(run.out, c.expected + "\n") << c.args.back();
    }
    std::filesystem::remove(file);
}

} // namespace
} // namespace qvsql::test
