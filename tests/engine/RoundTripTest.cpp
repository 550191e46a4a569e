// Composing a generated query and reading the statement back gives the same selections.
#include "sql/ChoiceLists.h"
#include "sql/StatementComposer.h"
#include "sql/StatementReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace qvsql {
namespace {

class Generator {
  public:
    explicit Generator(unsigned seed) : random(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool Coin() { return Below(2) == 1; }

    // Letters that cannot spell SELECT, FROM, WHERE or ORDER, plus characters that force quoting.
    std::string Name(int index) {
        static const std::string alphabet = "abcdghijkmnpquvxyzABCDGHIJKMNPQUVXYZ_$#.0123456789";
        static const char* reserved[] = {"DATE", "KEY", "TIME", "Desc", "max"};
        std::string name(Below(8) == 0 ? reserved[Below(5)] : "c");
        name += std::to_string(index);
        if (name.front() != 'c') {
            return name + "x";
        }
        for (int i = Below(6); i > 0; --i) {
            name += alphabet[static_cast<std::size_t>(Below(static_cast<int>(alphabet.size())))];
        }
        return name;
    }

    std::string Value() {
        switch (Below(3)) {
        case 0:
            return std::to_string(Below(1000));
        case 1:
            return "'v " + std::to_string(Below(1000)) + " w%'";
        default:
            return "'" + Name(Below(50)) + "'";
        }
    }

  private:
    std::mt19937 random;
};

struct Expected {
    std::vector<int> checkedItems;
    std::vector<WhereRowCall> whereRows;
    std::vector<std::pair<int, int>> sortRows;
};

QuerySnapshot MakeQuery(Generator& g, std::vector<std::string>& columns, Expected& e) {
    QuerySnapshot s;
    const int n = 1 + g.Below(12);
    for (int i = 0; i < n; ++i) {
        columns.push_back(g.Name(i));
    }
    s.table = "Labels";
    s.columnList.push_back({"*", g.Below(5) == 0});
    for (int i = 0; i < n; ++i) {
        s.columnList.push_back({columns[i], g.Coin() || i == n - 1});
        if (s.columnList.back().checked && !s.columnList[0].checked) {
            e.checkedItems.push_back(i + 1);
        }
    }
    if (s.columnList[0].checked) {
        e.checkedItems = {0};
    }
    s.whereEnabled = g.Below(4) != 0;
    for (int r = g.Below(5); r > 0; --r) {
        const int connector = s.where.empty() ? 0 : 1 + g.Below(2);
        const int field = g.Below(n);
        const int op = g.Below(4);
        s.where.push_back({std::string(andOrChoices[connector]), columns[field],
                           std::string(operatorChoices[op]), g.Value()});
        if (s.whereEnabled) {
            e.whereRows.push_back({connector, field, op, s.where.back().value});
        }
    }
    s.orderByEnabled = g.Below(4) != 0;
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) {
        order[i] = i;
    }
    std::shuffle(order.begin(), order.end(), std::mt19937(static_cast<unsigned>(g.Below(1000))));
    for (int column : order) {
        const int direction = g.Below(4); // 3: an empty direction cell
        s.orderBy.push_back(
            {g.Coin(), columns[column], direction < 3 ? std::string(sortChoices[direction]) : ""});
        if (s.orderBy.back().checked && s.orderByEnabled) {
            e.sortRows.emplace_back(column, direction < 3 ? direction : 0);
        }
    }
    std::sort(e.sortRows.begin(), e.sortRows.end());
    return s;
}

TEST(RoundTrip, ComposeThenReadBack) {
    Generator g(20261205);
    for (int iteration = 0; iteration < 2000; ++iteration) {
        std::vector<std::string> columns;
        Expected e;
        const QuerySnapshot s = MakeQuery(g, columns, e);
        const ComposeResult composed = ComposeStatement(s);
        ASSERT_TRUE(composed.result) << composed.errorText;
        const ReadBack r = ReadBackStatement(
            {composed.sqlText, s.grouping, columns, s.whereEnabled, s.orderByEnabled});
        SCOPED_TRACE(composed.sqlText);
        ASSERT_TRUE(r.split);
        EXPECT_EQ(r.checkedItems, e.checkedItems);
        ASSERT_EQ(r.whereRows.size(), e.whereRows.size());
        for (std::size_t i = 0; i < e.whereRows.size(); ++i) {
            EXPECT_EQ(r.whereRows[i].connector, e.whereRows[i].connector);
            EXPECT_EQ(r.whereRows[i].field, e.whereRows[i].field);
            EXPECT_EQ(r.whereRows[i].op, e.whereRows[i].op);
            EXPECT_EQ(r.whereRows[i].value, e.whereRows[i].value);
        }
        std::vector<std::pair<int, int>> sortRows;
        for (const SortRowCheck& row : r.sortRows) {
            sortRows.emplace_back(row.row, row.direction);
        }
        EXPECT_EQ(sortRows, e.sortRows);
    }
}

} // namespace
} // namespace qvsql
