// Catalogues no host should send, and the dialog still opens on them and hands out the
// statement the user picked: a million tables, names of 10 MB, every byte value, broken
// UTF-8. Names reach the statement byte for byte.
#include "sql/GroupingChars.h"
#include "sql/IdentifierQuoter.h"
#include "tests/support/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Sanitizer builds check the same paths at a tenth of the size, to stay within CI's time.
#if defined(__SANITIZE_ADDRESS__)
constexpr int Scale = 10;
#else
constexpr int Scale = 1;
#endif

std::string ColumnList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += name + '\t';
    }
    return list;
}

std::string Quoted(const std::string& name) {
    return qvsql::QuoteIdentifier(name, qvsql::GroupingChars{});
}

// Opens the dialog on table with columns, ticks every column and presses OK.
std::string TickAll(const std::string& table, const std::vector<std::string>& columns,
                    const std::vector<std::string>& otherTables = {}) {
    std::string script;
    for (std::size_t i = 1; i <= columns.size(); ++i) {
        script += "check 1005 " + std::to_string(i) + "\n";
    }
    LoadedLibrary lib(WriteScript("hostile", script + "click 1\n"));
    for (const std::string& other : otherTables) {
        lib.setTableAndColumns(other.c_str(), "ID\t");
    }
    lib.setTableAndColumns(table.c_str(), ColumnList(columns).c_str());
    lib.setCurrentTable(table.c_str());
    std::vector<char> buffer(table.size() + ColumnList(columns).size() * 2 + 256, '\0');
    if (lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), static_cast<int>(buffer.size())) !=
        0) {
        return "(cancelled)";
    }
    return buffer.data();
}

std::string Expected(const std::string& table, const std::vector<std::string>& columns) {
    std::string text = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        text += (i ? "," : "") + Quoted(columns[i]);
    }
    return text + " FROM " + Quoted(table) + " ";
}

TEST(HostileCatalogue, EveryByteValueAndBrokenUtf8ReachTheStatement) {
    std::vector<std::string> columns(8);
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\t') {
            columns[static_cast<std::size_t>(byte % 8)] += static_cast<char>(byte);
        }
    }
    for (const char* broken : {"\xC3\x28", "\xFF\xFE", "\xE2\x82", "\xED\xA0\x80", "\xC0\xAF",
                               "a\x80z", "\xF4\x90\x80\x80"}) {
        columns.emplace_back(broken);
    }
    const std::string table = "T\x01\xFF\xC3";
    EXPECT_EQ(TickAll(table, columns), Expected(table, columns));
}

TEST(HostileCatalogue, NamesOfTenMegabytes) {
    const std::string huge(10 * 1024 * 1024 / Scale, 'n');
    const std::string table = "W" + huge;
    const std::vector<std::string> columns = {"x" + huge, "id"};
    EXPECT_EQ(TickAll(table, columns), Expected(table, columns));
}

TEST(HostileCatalogue, AMillionTables) {
    std::vector<std::string> tables;
    tables.reserve(1000000 / Scale);
    for (int i = 0; i < 1000000 / Scale; ++i) {
        tables.push_back("Table" + std::to_string(i));
    }
    const std::vector<std::string> columns = {"Name"};
    EXPECT_EQ(TickAll("Table77777", columns, tables), Expected("Table77777", columns));
}

} // namespace
