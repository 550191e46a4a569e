#include "tools/qvsql-host/Registration.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const RegistrationPlan& plan) {
    std::vector<std::string> names;
    for (const Registration& table : plan.tables)
        names.push_back(table.name);
    return names;
}

TEST(Registration, SchemaTablesAreQualifiedAndWhenPrintedComesLast) {
    const RegistrationPlan plan = PlanRegistration({{"", "Customers", {"ID", "Name"}},
                                                    {"sales", "Orders", {"Order No", "select"}},
                                                    {"Stock Room", "items", {}}},
                                                   {});
    EXPECT_EQ(Names(plan), (std::vector<std::string>{"Customers", "sales.Orders",
                                                     "Stock Room.items", "{WHEN PRINTED}"}));
    EXPECT_EQ(plan.catalogueTables, 3u);
    EXPECT_TRUE(plan.notes.empty());
    EXPECT_EQ(plan.tables[0].columns, "ID\tName\t{WHEN PRINTED}\t");
    EXPECT_FALSE(plan.tables[0].schemaValue);
    EXPECT_EQ(plan.tables[1].schemaValue, "sales\tOrders");
    EXPECT_EQ(plan.tables[2].columns, "{WHEN PRINTED}\t"); // a table without columns stays
    EXPECT_EQ(plan.tables[2].schemaValue, "Stock Room\titems");
    EXPECT_EQ(plan.tables[3].columns, "{WHEN PRINTED}\t");

    const RegistrationPlan plain =
        PlanRegistration({{"", "T", {"A"}}, {"s", "U", {}}}, {false, 0, ""});
    EXPECT_EQ(Names(plain), (std::vector<std::string>{"T", "s.U"}));
    EXPECT_EQ(plain.tables[0].columns, "A\t");
    EXPECT_EQ(plain.tables[1].columns, "");
}

TEST(Registration, NamesWithControlCharactersAreLeftOutAndReported) {
    const RegistrationPlan plan =
        PlanRegistration({{"", "Tab\tTable", {"A"}},
                          {"line\nschema", "T", {"A"}},
                          {"", "Good", {"A", "B\tC", "D\x01", "E\x7F", "F"}},
                          {"", "Bell\a", {}}},
                         {false, 0, ""});
    EXPECT_EQ(Names(plan), (std::vector<std::string>{"Good"}));
    EXPECT_EQ(plan.tables[0].columns, "A\tF\t"); // never a broken list
    EXPECT_EQ(plan.notes,
              (std::vector<std::string>{
                  "skipped the table \"Tab\\tTable\": its name holds a control character",
                  "skipped the table \"line\\nschema.T\": its name holds a control "
                  "character",
                  "skipped the column \"B\\tC\" of \"Good\": its name holds a control "
                  "character",
                  "skipped the column \"D\\x01\" of \"Good\": its name holds a control "
                  "character",
                  "skipped the column \"E\\x7F\" of \"Good\": its name holds a control "
                  "character",
                  "skipped the table \"Bell\\x07\": its name holds a control character",
              }));
    // UTF-8 is not a control character.
    EXPECT_EQ(Names(PlanRegistration({{"", "Zoë", {"Straße"}}}, {false, 0, ""})),
              (std::vector<std::string>{"Zoë"}));
}

TEST(Registration, TwoTablesOfferedUnderOneNameKeepTheFirst) {
    const RegistrationPlan plan =
        PlanRegistration({{"a.b", "c", {"X"}}, {"a", "b.c", {"Y"}}}, {false, 0, ""});
    ASSERT_EQ(Names(plan), (std::vector<std::string>{"a.b.c"}));
    EXPECT_EQ(plan.tables[0].schemaValue, "a.b\tc");
    EXPECT_EQ(plan.notes,
              (std::vector<std::string>{"skipped a second table offered as \"a.b.c\""}));
}

TEST(Registration, AHugeCatalogueIsCutToTheLimitKeepingTheCurrentTable) {
    std::vector<CatalogueTable> catalogue;
    for (int i = 0; i < 100000; ++i)
        catalogue.push_back({"s", "t" + std::to_string(i), {"a", "b"}});
    const RegistrationPlan plan = PlanRegistration(catalogue, {true, 10000, "s.t99999"});
    ASSERT_EQ(plan.tables.size(), 10001u);
    EXPECT_EQ(plan.catalogueTables, 10000u);
    EXPECT_EQ(plan.tables[0].name, "s.t0");
    EXPECT_EQ(plan.tables[9998].name, "s.t9998");
    EXPECT_EQ(plan.tables[9999].name, "s.t99999");
    EXPECT_EQ(plan.tables[10000].name, "{WHEN PRINTED}");
    EXPECT_EQ(plan.notes,
              (std::vector<std::string>{"the database has 100000 tables; offering 10000 of them "
                                        "(--max-tables and --schema choose others)"}));

    EXPECT_EQ(PlanRegistration(catalogue, {true, 0, ""}).catalogueTables, 100000u);
    EXPECT_TRUE(PlanRegistration({}, {true, 5, ""}).notes.empty());
}

} // namespace
