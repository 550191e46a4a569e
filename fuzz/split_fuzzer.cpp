// Statement text into SplitStatement, FindConnector and SplitList.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "sql/StatementSplitter.h"

#include <cstddef>
#include <cstdint>

namespace {

using qvsql::GroupingChars;
using qvsql::fuzz::Require;

bool HasGrouping(std::string_view text, GroupingChars grouping) {
    return text.find(grouping.open) != std::string_view::npos ||
           text.find(grouping.close) != std::string_view::npos;
}

void CheckConnector(std::string_view condition) {
    const qvsql::Connector found = qvsql::FindConnector(condition);
    const std::size_t firstAnd = condition.find(" AND ");
    const std::size_t firstOr = condition.find(" OR ");
    if (firstAnd == std::string_view::npos && firstOr == std::string_view::npos) {
        Require(found.position == -1, "FindConnector found a connector that is not there");
        return;
    }
    const bool andFirst = firstAnd < firstOr;
    Require(found.position == static_cast<int>(andFirst ? firstAnd : firstOr),
            "FindConnector missed the first connector");
    Require(found.length == (andFirst ? 5 : 4), "FindConnector gave the wrong length");
}

void CheckPieces(const qvsql::StatementPieces& pieces, GroupingChars grouping) {
    Require(!pieces.columns.empty(), "accepted statement without column items");
    const bool star = pieces.columns.size() == 1 && pieces.columns[0] == "*";
    for (const std::string& column : pieces.columns)
        Require(star || !HasGrouping(column, grouping), "column item keeps a grouping character");
    Require(!HasGrouping(pieces.table, grouping), "table text keeps a grouping character");
    for (const std::string& condition : pieces.conditions)
        Require(!condition.empty() && condition[0] >= '0' && condition[0] <= '2',
                "condition item without connector code");
    for (const std::string& item : pieces.sort)
        Require(!HasGrouping(item, grouping), "sort item keeps a grouping character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = qvsql::fuzz::AsText(data, size);
    const GroupingChars grouping = qvsql::fuzz::TakeOptions(input).grouping;

    qvsql::StatementPieces pieces;
    pieces.columns.assign(1, "stale");
    pieces.table = "stale";
    pieces.conditions.assign(1, "0stale");
    pieces.sort.assign(1, "stale");
    if (qvsql::SplitStatement(input, grouping, pieces))
        CheckPieces(pieces, grouping);
    else
        Require(pieces.columns.empty() && pieces.table.empty() && pieces.conditions.empty() &&
                    pieces.sort.empty(),
                "rejected statement left pieces behind");

    CheckConnector(input);
    for (const std::string& item : qvsql::SplitList(input, grouping))
        Require(!HasGrouping(item, grouping), "list item keeps a grouping character");
    return 0;
}
