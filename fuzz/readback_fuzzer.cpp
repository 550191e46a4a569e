// Statement text and a small column list into ReadBackStatement.
// Input: option byte (FuzzInput.h), statement, and optionally a newline followed by
// a column list string (names each followed by a tab); without it a fixed table is used.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "sql/ColumnListString.h"
#include "sql/StatementReader.h"
#include "sql/StatementSplitter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using qvsql::fuzz::Require;

constexpr std::size_t maxColumns = 16;

std::vector<std::string> TakeColumns(std::string_view& input) {
    const std::size_t newline = input.rfind('\n');
    if (newline == std::string_view::npos)
        return {"ID", "Name", "City", "Zip Code"};
    std::vector<std::string> columns = qvsql::SplitColumnList(input.substr(newline + 1));
    input = input.substr(0, newline);
    if (columns.size() > maxColumns)
        columns.resize(maxColumns);
    return columns;
}

template <typename T, typename Key> bool StrictlyAscending(const std::vector<T>& items, Key key) {
    return std::adjacent_find(items.begin(), items.end(), [&](const T& a, const T& b) {
               return key(a) >= key(b);
           }) == items.end();
}

void CheckColumns(const qvsql::ReadBack& back, int columnCount) {
    const auto& checked = back.checkedItems;
    Require(!checked.empty(), "no column item checked, not even *");
    Require(StrictlyAscending(checked, [](int i) { return i; }), "checked items not ascending");
    Require(checked.front() >= 0 && checked.back() <= columnCount, "checked item outside list");
    Require(checked.front() > 0 || checked.size() == 1, "* checked beside other columns");
}

void CheckWhere(const qvsql::ReadBack& back, int columnCount) {
    for (const qvsql::WhereRowCall& row : back.whereRows) {
        Require(row.connector >= 0 && row.connector <= 2, "connector index out of range");
        // With no columns the dialog's AddWhereRow drops the call, so field 0 is harmless.
        Require(row.field >= 0 && row.field < std::max(columnCount, 1),
                "field index outside column list");
        Require(row.op >= -1 && row.op <= 3, "operator index out of range");
    }
}

void CheckSort(const qvsql::ReadBack& back, int columnCount) {
    const auto& rows = back.sortRows;
    Require(StrictlyAscending(rows, [](const qvsql::SortRowCheck& r) { return r.row; }),
            "sort rows not ascending");
    for (const qvsql::SortRowCheck& row : rows) {
        Require(row.row >= 0 && row.row < columnCount, "sort row outside column list");
        Require(row.direction >= 0 && row.direction <= 2, "direction index out of range");
    }
}

void CheckConditionCount(const qvsql::ReadBackInput& in, const qvsql::ReadBack& back) {
    qvsql::StatementPieces pieces;
    const bool split = qvsql::SplitStatement(in.sqlText, in.grouping, pieces);
    Require(split == back.split, "read-back disagrees with the splitter");
    Require(back.whereRows.size() <= (in.whereEnabled ? pieces.conditions.size() : 0),
            "more WHERE rows than conditions");
    for (const std::string& condition : pieces.conditions) {
        const int end = qvsql::FindFieldEnd(condition, in.grouping);
        Require(end >= -1 && end <= static_cast<int>(condition.size()), "field end out of range");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = qvsql::fuzz::AsText(data, size);
    const qvsql::fuzz::FuzzOptions options = qvsql::fuzz::TakeOptions(input);
    const std::vector<std::string> columns = TakeColumns(input);

    const qvsql::ReadBackInput in{input, options.grouping, columns, options.whereEnabled,
                                  options.orderByEnabled};
    const qvsql::ReadBack back = qvsql::ReadBackStatement(in);
    const int columnCount = static_cast<int>(columns.size());
    CheckColumns(back, columnCount);
    CheckWhere(back, columnCount);
    CheckSort(back, columnCount);
    CheckConditionCount(in, back);
    if (!back.split)
        Require(back.checkedItems.size() == 1 && back.sortRows.empty(),
                "rejected statement selected something");
    if (!options.orderByEnabled)
        Require(back.sortRows.empty(), "sort rows read while ORDER BY is off");
    return 0;
}
