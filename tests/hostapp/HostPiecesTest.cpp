#include "tools/qvsql-host/HostOptions.h"
#include "tools/qvsql-host/RowTable.h"
#include "tools/qvsql-host/WhenPrinted.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace {

TEST(HostOptions, ParsesEveryOptionAndKeepsDefaults) {
    const HostOptions none = ParseHostOptions({});
    EXPECT_FALSE(none.table);
    EXPECT_FALSE(none.language);
    EXPECT_FALSE(none.grouping);
    EXPECT_TRUE(none.run);
    EXPECT_TRUE(none.whenPrinted);
    EXPECT_FALSE(none.listTables);
    EXPECT_FALSE(none.help);
    EXPECT_EQ(none.connectTimeout.count(), 10);
    EXPECT_EQ(none.queryTimeout.count(), 30);
    EXPECT_EQ(none.maxTables, 10000u);

    const HostOptions all = ParseHostOptions({"--table",    "Print Jobs",
                                              "--language", "4",
                                              "--grouping", "\"\"",
                                              "--sql",      "--no-run",
                                              "--db",       "/tmp/x.db",
                                              "--no-run",   "--no-when-printed",
                                              "-h",         "--schema",
                                              "sales",      "--connect-timeout",
                                              "3",          "--query-timeout",
                                              "7",          "--max-tables",
                                              "0",          "--list-tables",
                                              "--version"});
    EXPECT_EQ(all.table, "Print Jobs");
    EXPECT_EQ(all.language, 4);
    EXPECT_EQ(all.grouping, "\"\"");
    EXPECT_EQ(all.sql, "--no-run"); // a value is taken as is, even when it looks like an option
    EXPECT_EQ(all.db, "/tmp/x.db");
    EXPECT_EQ(all.schema, "sales");
    EXPECT_EQ(all.connectTimeout.count(), 3);
    EXPECT_EQ(all.queryTimeout.count(), 7);
    EXPECT_EQ(all.maxTables, 0u);
    EXPECT_FALSE(all.run);
    EXPECT_FALSE(all.whenPrinted);
    EXPECT_TRUE(all.listTables);
    EXPECT_TRUE(all.help);
    EXPECT_TRUE(all.version);

    // --name=VALUE, with "=" and blanks inside the value kept.
    const HostOptions joined = ParseHostOptions(
        {"--table=Print Jobs", "--odbc=DSN=labels;UID=a=b", "--grouping=", "--language=1"});
    EXPECT_EQ(joined.table, "Print Jobs");
    EXPECT_EQ(joined.odbc, "DSN=labels;UID=a=b");
    EXPECT_EQ(joined.grouping, ""); // an empty grouping string is the host's to hand over
    EXPECT_EQ(joined.language, 1);
    EXPECT_EQ(ParseHostOptions({"--grouping", ""}).grouping, "");
    EXPECT_TRUE(ParseHostOptions({"--no-run", "--"}).table == std::nullopt);
}

TEST(HostOptions, RejectsBadCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {"--table"},
        {"--sql"},
        {"--language"},
        {"--language", ""},
        {"--language", "x"},
        {"--language", "4x"},
        {"--language", "99999999999"},
        {"--language", " "},
        {"--tables", "T"},
        {"Customers"},
        {"--no-run", "--", "Customers"},
        {"--no-run=yes"},
        {"-x"},
        {"--connect-timeout=0"},
        {"--query-timeout=-5"},
        {"--max-tables=lots"},
        {"--db", "a.db", "--odbc", "DSN=x"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseHostOptions(args), std::invalid_argument) << args[0];
}

std::string Printed(const QueryRows& rows) {
    std::ostringstream out;
    PrintRowTable(out, rows);
    return out.str();
}

TEST(RowTable, AlignsColumnsByVisibleCharacters) {
    QueryRows rows;
    rows.columns = {"ID", "Name", "City"};
    rows.rows = {{"1", "Zoë", "Köln"}, {"12", "Al", "NULL"}};
    EXPECT_EQ(Printed(rows), "ID | Name | City\n"
                             "-- | ---- | ----\n"
                             "1  | Zoë  | Köln\n"
                             "12 | Al   | NULL\n");

    rows.rows = {{"1", "Anne Martin", ""}};
    rows.more = true;
    EXPECT_EQ(Printed(rows), "ID | Name        | City\n"
                             "-- | ----------- | ----\n"
                             "1  | Anne Martin |\n" // no blanks left at the end of a line
                             "(more rows follow)\n");
}

TEST(RowTable, PrintsEmptyResultsAndShortRows) {
    QueryRows rows;
    rows.columns = {"A", "B"};
    EXPECT_EQ(Printed(rows), "A | B\n- | -\n");
    rows.rows = {{"long value"}};
    EXPECT_EQ(Printed(rows), "A          | B\n---------- | -\nlong value\n");
    EXPECT_EQ(Printed(QueryRows{}), "\n\n");
}

TEST(WhenPrinted, RunsEveryValueWithItsDefault) {
    EXPECT_EQ(ReplaceWhenPrinted("SELECT * FROM Customers "), "SELECT * FROM Customers ");
    EXPECT_EQ(ReplaceWhenPrinted("SELECT {'Which column?'|'NAME'} FROM Customers "),
              "SELECT NAME FROM Customers ");
    EXPECT_EQ(ReplaceWhenPrinted("SELECT {'a'|'ID'} FROM {'b'|'CUSTOMERS'} ORDER BY {'c'|'CITY'}"),
              "SELECT ID FROM CUSTOMERS ORDER BY CITY");
    // Prompts are not escaped: quotes and braces inside them stay part of the prompt.
    EXPECT_EQ(ReplaceWhenPrinted("SELECT {'Customer's 'name'}?'|'NAME'} FROM T"),
              "SELECT NAME FROM T");
    EXPECT_EQ(ReplaceWhenPrinted("{''|''}"), "");
}

TEST(WhenPrinted, LeavesIncompleteValuesAlone) {
    for (const char* sql : {"SELECT {'a' FROM T", "SELECT {'a'|'B FROM T", "SELECT a'|'b'} FROM T",
                            "{'", "'|'", "'}", ""})
        EXPECT_EQ(ReplaceWhenPrinted(sql), sql);
    EXPECT_EQ(ReplaceWhenPrinted("SELECT {'a'|'ID'} FROM {'b'|'T"), "SELECT ID FROM {'b'|'T");
}

} // namespace
