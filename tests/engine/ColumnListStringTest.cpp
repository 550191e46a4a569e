#include "sql/ColumnListString.h"

#include <gtest/gtest.h>

namespace qvsql {
namespace {

using Names = std::vector<std::string>;

TEST(ColumnListString, TabRules) {
    EXPECT_EQ(SplitColumnList("ID\tName\tCity\t"), (Names{"ID", "Name", "City"}));
    EXPECT_EQ(SplitColumnList("A\tB"), (Names{"A"}));
    EXPECT_EQ(SplitColumnList("\tA\t"), Names{});
    EXPECT_EQ(SplitColumnList("A\t\tB\t"), (Names{"A", "", "B"}));
    EXPECT_EQ(SplitColumnList(""), Names{});
    EXPECT_EQ(SplitColumnList("NoTab"), Names{});
    EXPECT_EQ(SplitColumnList("Zip Code\t{WHEN PRINTED}\t"), (Names{"Zip Code", "{WHEN PRINTED}"}));
}

} // namespace
} // namespace qvsql
