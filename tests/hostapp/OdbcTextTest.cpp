#include "tools/qvsql-host/OdbcDiagnostics.h"
#include "tools/qvsql-host/OdbcNames.h"

#include <gtest/gtest.h>

namespace {

TEST(OdbcDiagnostics, DriverMessagesBecomeOneLine) {
    // As the PostgreSQL driver reports an unreachable server: two lines and a tab.
    EXPECT_EQ(
        FlattenDiagnostics({{"08001", "connection to server on socket \"/nowhere/.s.PGSQL.5432\" "
                                      "failed: No such file or directory\n\tIs the server running "
                                      "locally and accepting connections on that socket?\n"}}),
        "connection to server on socket \"/nowhere/.s.PGSQL.5432\" failed: No such file "
        "or directory Is the server running locally and accepting connections on that "
        "socket? (SQLSTATE 08001)");
    // Repeated records once, records joined, trailing semicolons dropped.
    EXPECT_EQ(FlattenDiagnostics({{"57P01", "The connection is down\nFailed to send 'SELECT 1';"},
                                  {"57P01", "The connection is down\nFailed to send 'SELECT 1'"},
                                  {"01000", "  second\r\n  record "}}),
              "The connection is down Failed to send 'SELECT 1'; second record (SQLSTATE 57P01)");
    EXPECT_EQ(FlattenDiagnostics({}), "the driver gave no reason");
    EXPECT_EQ(FlattenDiagnostics({{"HY000", ""}}), "the driver gave no reason (SQLSTATE HY000)");
    const std::string huge = FlattenDiagnostics({{"HY000", std::string(5000, 'x')}});
    EXPECT_LT(huge.size(), 1100u);
    EXPECT_EQ(huge.find('\n'), std::string::npos);
}

TEST(OdbcDiagnostics, ConnectFailuresAreToldApart) {
    const std::vector<std::pair<OdbcDiagnostic, ExitStatus>> cases = {
        {{"08001", "connection to server on socket \"/s/.s.PGSQL.5432\" failed: FATAL:  password "
                   "authentication failed for user \"qvsql\""},
         ExitStatus::BadCredentials},
        {{"28000", "[MySQL] Access denied for user 'a'@'localhost'"}, ExitStatus::BadCredentials},
        {{"08001", "FATAL:  role \"nobody\" does not exist"}, ExitStatus::BadCredentials},
        {{"08001", "connection to server at \"127.0.0.1\", port 1 failed: Connection refused"},
         ExitStatus::Unreachable},
        {{"08001", "connection to server at \"127.0.0.1\", port 5 failed: timeout expired"},
         ExitStatus::TimedOut},
        {{"HYT00", "Login timeout expired"}, ExitStatus::TimedOut},
        {{"08001", "failed: FATAL:  database \"nodb\" does not exist"}, ExitStatus::CannotOpen},
        {{"IM002", "[unixODBC][Driver Manager]Data source name not found and no default driver "
                   "specified"},
         ExitStatus::CannotOpen},
        {{"01000", "[unixODBC][Driver Manager]Can't open lib 'NoSuchDriver' : file not found"},
         ExitStatus::CannotOpen},
        {{"HY000", "[SQLite]connect failed"}, ExitStatus::CannotOpen},
    };
    for (const auto& [record, status] : cases)
        EXPECT_EQ(ClassifyConnectFailure({record}), status) << record.message;
}

TEST(OdbcDiagnostics, StatementFailuresAreToldApart) {
    const std::vector<std::pair<OdbcDiagnostic, ExitStatus>> cases = {
        {{"42P01", "ERROR: relation \"nosuch\" does not exist;\nError while executing the query"},
         ExitStatus::Rejected},
        {{"42000", "near \"FORM\": syntax error"}, ExitStatus::Rejected},
        {{"57014", "ERROR: canceling statement due to statement timeout"}, ExitStatus::TimedOut},
        {{"HYT00", "Query timeout expired"}, ExitStatus::TimedOut},
        {{"57P01", "FATAL: terminating connection due to administrator command"},
         ExitStatus::ConnectionLost},
        {{"08S01", "Communication link failure"}, ExitStatus::ConnectionLost},
        {{"HY000", "The connection has been lost"}, ExitStatus::ConnectionLost},
    };
    for (const auto& [record, status] : cases)
        EXPECT_EQ(ClassifyStatementFailure({record}), status) << record.message;
}

TEST(OdbcNames, GroupingPatternsAndConnectionStrings) {
    EXPECT_EQ(GroupingFromQuoteChar("\"", "PostgreSQL"), "\"\"");
    EXPECT_EQ(GroupingFromQuoteChar("`", "MySQL"), "``");
    EXPECT_EQ(GroupingFromQuoteChar("\"", "SQLite"), "[]");
    EXPECT_EQ(GroupingFromQuoteChar("[", "Microsoft SQL Server"), "[]");
    EXPECT_EQ(GroupingFromQuoteChar(" ", "Text"), "[]");
    EXPECT_EQ(GroupingFromQuoteChar("", "Text"), "[]");
    EXPECT_EQ(GroupingFromQuoteChar("''", "Odd"), "[]");

    EXPECT_EQ(EscapePattern("stock_room", "\\"), "stock\\_room");
    EXPECT_EQ(EscapePattern("100%\\x", "\\"), "100\\%\\\\x");
    EXPECT_EQ(EscapePattern("Stock Room", "\\"), "Stock Room");
    EXPECT_EQ(EscapePattern("a_b", ""), "a_b");

    EXPECT_EQ(ConnectionString("labels"), "DSN=labels");
    EXPECT_EQ(ConnectionString("DSN=labels;UID=me"), "DSN=labels;UID=me");
    EXPECT_EQ(ConnectionString("Driver=SQLite3;Database=/tmp/a b.db"),
              "Driver=SQLite3;Database=/tmp/a b.db");
}

} // namespace
