#include "sql/StatementSplitter.h"

#include <gtest/gtest.h>

namespace qvsql {
namespace {

using Items = std::vector<std::string>;

StatementPieces Split(std::string_view statement, bool expectOk = true) {
    StatementPieces p;
    EXPECT_EQ(SplitStatement(statement, GroupingChars{}, p), expectOk) << statement;
    return p;
}

TEST(Splitter, WorkedExample) {
    const StatementPieces p = Split(
        "SELECT Name,[Zip Code] FROM Customers WHERE  ( City = 'Paris' ) OR ( Name LIKE 'A%' )"
        "  ORDER BY Name DESC");
    EXPECT_EQ(p.columns, (Items{"Name", "Zip Code"}));
    EXPECT_EQ(p.table, "Customers");
    EXPECT_EQ(p.conditions, (Items{"0( City = 'Paris' )", "2( Name LIKE 'A%' )"}));
    EXPECT_EQ(p.sort, (Items{"Name DESC"}));
}

TEST(Splitter, LetterCase) {
    const StatementPieces p = Split("select a,B from Tbl where ( x = 1 ) and ( y = 2 ) order by a");
    EXPECT_EQ(p.columns, (Items{"a", "B"}));
    EXPECT_EQ(p.table, "Tbl");
    EXPECT_EQ(p.conditions, (Items{"0( x = 1 ) and ( y = 2 )"})); // connectors only in upper case
    EXPECT_EQ(p.sort, (Items{"a"}));
}

TEST(Splitter, ConditionsAndLists) {
    StatementPieces p = Split("SELECT * FROM T WHERE  ( Price BETWEEN 1 AND 5 ) ");
    EXPECT_EQ(p.conditions, (Items{"0( Price BETWEEN 1", "15 )"}));
    p = Split("SELECT a, b ,[c d], FROM T");
    EXPECT_EQ(p.columns, (Items{"a", " b", "c d"}));
    p = Split("SELECT *,a,b FROM T");
    EXPECT_EQ(p.columns, (Items{"*"}));
    p = Split("SELECT a,,b FROM [dbo].[Orders]");
    EXPECT_EQ(p.columns, (Items{"a", "", "b"}));
    EXPECT_EQ(p.table, "dbo.Orders");
    p = Split("SELECT a FROM T  ORDER BY [Zip Code] ASC,b ");
    EXPECT_EQ(p.table, "T  ORDER BY Zip Code ASC,b");
    EXPECT_EQ(p.sort, (Items{"Zip Code ASC", "b"}));
    EXPECT_TRUE(p.conditions.empty());
    p = Split("SELECT a FROM T WHERE  ( a = 1 ) AND ( b = 2 ) OR ( c = 3 )");
    EXPECT_EQ(p.conditions, (Items{"0( a = 1 )", "1( b = 2 )", "2( c = 3 )"}));
}

TEST(Splitter, RejectionsLeaveNothing) {
    for (const char* bad :
         {"", "SELECT a", "FROM T", "SELECT FROM T", "SELECT ,a FROM T", "SELECT a FROM WHERE x",
          "SELECT a FROM T WHERE ORDER BY a", "ORDER BY x SELECT a FROM T", "FROM T SELECT a"}) {
        StatementPieces p;
        p.columns = {"stale"};
        p.table = "stale";
        EXPECT_FALSE(SplitStatement(bad, GroupingChars{}, p)) << bad;
        EXPECT_TRUE(p.columns.empty() && p.table.empty() && p.conditions.empty() && p.sort.empty());
    }
}

TEST(Splitter, FindConnector) {
    EXPECT_EQ(FindConnector("a = 1 AND b OR c").position, 5);
    EXPECT_EQ(FindConnector("a = 1 AND b OR c").length, 5);
    EXPECT_EQ(FindConnector("a OR b AND c").length, 4);
    EXPECT_EQ(FindConnector("a and b or c").position, -1);
    EXPECT_EQ(FindConnector("ANDROID").position, -1);
}

} // namespace
} // namespace qvsql
