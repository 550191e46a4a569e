#pragma once
#include "sql/GroupingChars.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvsql {

struct StatementPieces {
    std::vector<std::string> columns;
    std::string table;
    std::vector<std::string> conditions; // each begins with its connector code '0', '1' or '2'
    std::vector<std::string> sort;
};

struct Connector {
    std::ptrdiff_t position = -1; // -1 when there is neither " AND " nor " OR "
    std::ptrdiff_t length = 0;
};

// Cuts a statement into its pieces; false (and all pieces empty) when its shape is wrong.
bool SplitStatement(std::string_view statement, GroupingChars grouping, StatementPieces& pieces);

// The earlier of the first " AND " and the first " OR ", matched in upper case only.
Connector FindConnector(std::string_view condition);

// Splits a column or sort list at commas, removing the grouping characters from each item.
std::vector<std::string> SplitList(std::string_view text, GroupingChars grouping);

} // namespace qvsql
