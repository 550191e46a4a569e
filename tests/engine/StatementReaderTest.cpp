#include "sql/StatementReader.h"

#include <gtest/gtest.h>

namespace qvsql {
namespace {

const std::vector<std::string> customerColumns = {"ID", "Name", "City", "Zip Code"};

ReadBack Read(std::string_view sql, const std::vector<std::string>& columns = customerColumns) {
    return ReadBackStatement({sql, GroupingChars{}, columns, true, true});
}

void ExpectRow(const WhereRowCall& row, int connector, int field, int op,
               const std::string& value) {
    EXPECT_EQ(row.connector, connector);
    EXPECT_EQ(row.field, field);
    EXPECT_EQ(row.op, op);
    EXPECT_EQ(row.value, value);
}

TEST(ReadBack, WorkedExample) {
    const ReadBack r = Read("SELECT Name,[Zip Code] FROM Customers WHERE  ( City = 'Paris' ) OR "
                            "( Name LIKE 'A%' )  ORDER BY Name DESC");
    EXPECT_TRUE(r.split);
    EXPECT_EQ(r.checkedItems, (std::vector<int>{2, 4}));
    ASSERT_EQ(r.whereRows.size(), 2u);
    ExpectRow(r.whereRows[0], 0, 2, 0, "'Paris'");
    ExpectRow(r.whereRows[1], 2, 1, 1, "'A%'");
    ASSERT_EQ(r.sortRows.size(), 1u);
    EXPECT_EQ(r.sortRows[0].row, 1);
    EXPECT_EQ(r.sortRows[0].direction, 2);
}

TEST(ReadBack, Columns) {
    EXPECT_EQ(Read("SELECT Name, City FROM T").checkedItems, (std::vector<int>{2}));
    EXPECT_EQ(Read("select name,CITY,name from T").checkedItems, (std::vector<int>{2, 3}));
    EXPECT_EQ(Read("SELECT {'Which column?'|'NAME'} FROM T").checkedItems, (std::vector<int>{0}));
    EXPECT_EQ(Read("SELECT Unknown,,x FROM T").checkedItems, (std::vector<int>{0}));
    const ReadBack rejected = Read("nothing to read");
    EXPECT_FALSE(rejected.split);
    EXPECT_EQ(rejected.checkedItems, (std::vector<int>{0}));
    EXPECT_TRUE(rejected.whereRows.empty() && rejected.sortRows.empty());
}

TEST(ReadBack, Conditions) {
    ReadBack r = Read("SELECT * FROM T WHERE  ( Price BETWEEN 1 AND 5 ) ", {"ID", "Price"});
    ASSERT_EQ(r.whereRows.size(), 2u);
    ExpectRow(r.whereRows[0], 0, 1, 3, "1");
    ExpectRow(r.whereRows[1], 1, 0, -1, "");

    r = Read("SELECT * FROM T WHERE  ( ID IN (1, 2) ) ");
    ExpectRow(r.whereRows.at(0), 0, 0, -1, "2)");
    r = Read("SELECT * FROM T WHERE  ( Name like 'A B%' ) ");
    ExpectRow(r.whereRows.at(0), 0, 1, 1, "'A B%'");
    r = Read("SELECT * FROM T WHERE [Zip Code] = 12");
    ExpectRow(r.whereRows.at(0), 0, 3, 0, "12");
    r = Read("SELECT * FROM T WHERE ( City = 1 ) and ( Name = 2 )");
    ASSERT_EQ(r.whereRows.size(), 1u); // lower-case connectors are not split
    ExpectRow(r.whereRows[0], 0, 2, -1, "2");
    r = Read("SELECT * FROM T WHERE Name");
    ExpectRow(r.whereRows.at(0), 0, 1, -1, "");
    r = Read("SELECT * FROM T WHERE  ( a = 1 ) AND  OR ( City = 2 )");
    ASSERT_EQ(r.whereRows.size(), 2u); // the empty middle condition is skipped
    ExpectRow(r.whereRows[1], 2, 2, 0, "2");

    r = Read("SELECT * FROM T WHERE ID = 1", {}); // the dialog's AddWhereRow ignores it then
    ExpectRow(r.whereRows.at(0), 0, 0, 0, "1");
    EXPECT_TRUE(
        ReadBackStatement({"SELECT * FROM T WHERE ID = 1", {}, customerColumns, false, true})
            .whereRows.empty());
}

TEST(ReadBack, SortItems) {
    ReadBack r = Read("SELECT * FROM T  ORDER BY City,Name");
    ASSERT_EQ(r.sortRows.size(), 2u); // column order, not sort order
    EXPECT_EQ(r.sortRows[0].row, 1);
    EXPECT_EQ(r.sortRows[1].row, 2);
    EXPECT_EQ(r.sortRows[0].direction, 0);

    r = Read("SELECT * FROM T  ORDER BY [Zip Code] ASC,[Zip Code] DESC");
    ASSERT_EQ(r.sortRows.size(), 1u);
    EXPECT_EQ(r.sortRows[0].row, 3);
    EXPECT_EQ(r.sortRows[0].direction, 1);

    EXPECT_TRUE(Read("SELECT * FROM T  ORDER BY Zip Code").sortRows.empty());
    r = Read("SELECT * FROM T  ORDER BY city xy,name wxyz, ,");
    ASSERT_EQ(r.sortRows.size(),
              2u); // "xy" is too short for a direction but is cut off all the same
    EXPECT_EQ(r.sortRows[0].row, 1);
    EXPECT_EQ(r.sortRows[0].direction, 2);
    EXPECT_EQ(r.sortRows[1].row, 2);
    EXPECT_EQ(r.sortRows[1].direction, 0);
    EXPECT_TRUE(
        ReadBackStatement({"SELECT * FROM T  ORDER BY ID", {}, customerColumns, true, false})
            .sortRows.empty());
}

TEST(ReadBack, FindFieldEnd) {
    const GroupingChars g;
    EXPECT_EQ(FindFieldEnd("[Zip Code] = 1", g), 10);
    EXPECT_EQ(FindFieldEnd("City = 1", g), 4);
    EXPECT_EQ(FindFieldEnd("[Open = 1", g), 5);
    EXPECT_EQ(FindFieldEnd("City", g), -1);
    EXPECT_EQ(FindFieldEnd("", g), -1);
    EXPECT_EQ(FindFieldEnd("\"A B\" = 1", GroupingChars{'"', '"'}), 2); // closing found at 0 first
}

} // namespace
} // namespace qvsql
