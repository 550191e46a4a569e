#include "sql/StatementComposer.h"
#include "sql/ChoiceLists.h"

#include <gtest/gtest.h>

#include <map>

namespace qvsql {
namespace {

constexpr const char* workedExample =
    "SELECT Name,[Zip Code] FROM Customers WHERE  ( City = 'Paris' ) "
    "OR ( Name LIKE 'A%' )  ORDER BY Name DESC";

QuerySnapshot Customers() {
    QuerySnapshot s;
    s.columnList = {
        {"*", false}, {"ID", false}, {"Name", true}, {"City", false}, {"Zip Code", true}};
    s.table = "Customers";
    s.where = {{"", "City", "=", "'Paris'"}, {"OR", "Name", "LIKE", "'A%'"}};
    s.orderBy = {
        {false, "ID", ""}, {true, "Name", "DESC"}, {false, "City", ""}, {false, "Zip Code", ""}};
    return s;
}

TEST(Composer, WorkedExample) {
    const ComposeResult r = ComposeStatement(Customers());
    EXPECT_TRUE(r.result);
    EXPECT_EQ(r.sqlText, workedExample);
    EXPECT_EQ(r.errorText, "");
}

TEST(Composer, SpacingAndSwitches) {
    QuerySnapshot s = Customers();
    s.columnList[0].checked = true; // "*" wins over the named columns
    s.whereEnabled = false;
    s.orderBy[1].checked = false;
    EXPECT_EQ(ComposeStatement(s).sqlText, "SELECT * FROM Customers ");

    s.whereEnabled = true;
    s.where.clear();
    EXPECT_EQ(ComposeStatement(s).sqlText, "SELECT * FROM Customers ");

    s.where = {{"", "City", "=", ""}};
    s.orderByEnabled = false;
    s.orderBy[1].checked = true;
    EXPECT_EQ(ComposeStatement(s).sqlText, "SELECT * FROM Customers WHERE  ( City = '' ) ");

    s.orderByEnabled = true;
    s.orderBy[1].direction = "   ";
    s.orderBy[3] = {true, "Zip Code", "ASC "};
    EXPECT_EQ(ComposeStatement(s).sqlText,
              "SELECT * FROM Customers WHERE  ( City = '' )  ORDER BY Name,[Zip Code] ASC");
}

TEST(Composer, SchemaQualification) {
    std::map<std::string, std::string> schemas = {{"Customers", "dbo\tCustomers"},
                                                  {"Orders", "sales"},
                                                  {"Empty", ""},
                                                  {"Tabs", "\t\t"},
                                                  {"Runs", "\t\tdbo\t\t\tOrders\t"}};
    QuerySnapshot s = Customers();
    s.where.clear();
    s.orderByEnabled = false;
    s.schemaLookup = [&](const std::string& t) -> const std::string* {
        const auto it = schemas.find(t);
        return it == schemas.end() ? nullptr : &it->second;
    };
    const std::pair<const char*, const char*> cases[] = {{"Customers", "[dbo].[Customers]"},
                                                         {"Orders", "[sales].[]"},
                                                         {"Empty", "Empty"},
                                                         {"Tabs", "Tabs"},
                                                         {"Runs", "[dbo].[Orders]"},
                                                         {"Order Lines", "[Order Lines]"}};
    for (const auto& [table, written] : cases) {
        s.table = table;
        EXPECT_EQ(ComposeStatement(s).sqlText,
                  std::string("SELECT Name,[Zip Code] FROM ") + written + " ")
            << table;
    }
}

TEST(Composer, ErrorsLeaveTheStatement) {
    QuerySnapshot s = Customers();
    s.sqlText = "earlier";
    s.errorText = "old";

    QuerySnapshot noColumns = s;
    noColumns.columnList[2].checked = noColumns.columnList[4].checked = false;
    QuerySnapshot noTable = s;
    noTable.table.clear();
    QuerySnapshot blankConnector = s;
    blankConnector.where[1].andOr = "   ";
    QuerySnapshot emptyConnector = s;
    emptyConnector.where[1].andOr = "";
    const std::pair<const QuerySnapshot*, std::string_view> cases[] = {
        {&noColumns, errorNoColumns},
        {&noTable, errorNoTable},
        {&blankConnector, errorWhere},
        {&emptyConnector, errorWhere}};
    for (const auto& [snapshot, message] : cases) {
        const ComposeResult r = ComposeStatement(*snapshot);
        EXPECT_FALSE(r.result);
        EXPECT_EQ(r.errorText, message);
        EXPECT_EQ(r.sqlText, "earlier");
    }
    s.where[0].andOr = "   "; // the first row's connector is never read
    EXPECT_TRUE(ComposeStatement(s).result);
}

TEST(Composer, NotReadyChangesNothing) {
    QuerySnapshot s;
    s.ready = false;
    s.sqlText = "handed in";
    s.errorText = "kept";
    s.lastWpClause = "SELECT";
    const ComposeResult r = ComposeStatement(s);
    EXPECT_TRUE(r.result);
    EXPECT_EQ(r.sqlText, "handed in");
    EXPECT_EQ(r.errorText, "kept");
    EXPECT_EQ(r.lastWpClause, "SELECT");
}

TEST(Composer, WhenPrintedValues) {
    QuerySnapshot s = Customers();
    s.where.clear();
    s.orderBy[1].checked = false;
    s.wpValues = {"{'Which column?'|'NAME'}", "{'Table?'|'ORDERS'}", "", "{'Sort?'|'CITY'}"};

    s.wpFlags[clauseSelect] = true;
    EXPECT_EQ(ComposeStatement(s).sqlText, "SELECT {'Which column?'|'NAME'} FROM Customers ");

    // A pending clause counts like its flag; it is consumed once reached, even if a later step
    // fails.
    s.wpFlags = {};
    s.lastWpClause = "SELECT";
    s.table.clear();
    ComposeResult r = ComposeStatement(s);
    EXPECT_EQ(r.errorText, errorNoTable);
    EXPECT_EQ(r.lastWpClause, "");
    s.table = "Customers";

    s.lastWpClause = "FROM";
    s.columnList[2].checked = s.columnList[4].checked = false;
    r = ComposeStatement(s);
    EXPECT_FALSE(r.result);
    EXPECT_EQ(r.lastWpClause, "FROM");
    s.columnList[2].checked = true;
    r = ComposeStatement(s);
    EXPECT_EQ(r.sqlText, "SELECT Name FROM [{Table?|ORDERS}] ");
    EXPECT_EQ(r.lastWpClause, "");

    s.wpFlags[clauseFrom] = true;
    s.wpFlags[clauseOrderBy] = true;
    s.orderByEnabled = false; // a When Printed sort order ignores the switch
    EXPECT_EQ(ComposeStatement(s).sqlText,
              "SELECT Name FROM {'Table?'|'ORDERS'}  ORDER BY {'Sort?'|'CITY'}");

    s.wpFlags = {};
    s.lastWpClause = "ORDER BY";
    r = ComposeStatement(s);
    EXPECT_EQ(r.sqlText, "SELECT Name FROM Customers  ORDER BY {'Sort?'|'CITY'}");
    EXPECT_EQ(r.lastWpClause, "");
}

} // namespace
} // namespace qvsql
