#pragma once
// Everything the composer reads, gathered from the dialog's controls and members.
#include "sql/GroupingChars.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace qvsql {

struct ColumnItem {
    std::string text;
    bool checked = false;
};

// Cell texts of one WHERE row.
struct WhereRow {
    std::string andOr;
    std::string field;
    std::string op;
    std::string value;
};

struct OrderByRow {
    bool checked = false;
    std::string field;
    std::string direction;
};

// Answers the schema value registered for a table name, or null when there is none.
using SchemaLookup = std::function<const std::string*(const std::string& table)>;

struct QuerySnapshot {
    GroupingChars grouping;
    bool ready = true;
    std::string sqlText;
    std::string errorText;
    std::array<bool, 4> wpFlags{};
    std::array<std::string, 4> wpValues;
    std::string lastWpClause;
    std::vector<ColumnItem> columnList; // item 0 is "*"
    std::string table;
    SchemaLookup schemaLookup; // empty: no table has a schema
    bool whereEnabled = true;
    std::vector<WhereRow> where;
    bool orderByEnabled = true;
    std::vector<OrderByRow> orderBy;
};

} // namespace qvsql
