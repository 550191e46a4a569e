#pragma once
#include "sql/QuerySnapshot.h"

#include <string>
#include <string_view>

namespace qvsql {

inline constexpr std::string_view errorNoColumns = "Syntax Error: SELECT ?Columns?";
inline constexpr std::string_view errorNoTable = "Syntax Error: SELECT Columns FROM ?table?";
inline constexpr std::string_view errorWhere = "Syntax Error: WHERE clause.";

// The three members as the composer leaves them, and its verdict.
struct ComposeResult {
    bool result = false;
    std::string sqlText;
    std::string errorText;
    std::string lastWpClause;
};

ComposeResult ComposeStatement(const QuerySnapshot& snapshot);

} // namespace qvsql
