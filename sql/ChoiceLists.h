#pragma once
// The fixed vocabularies of the query state.
#include <array>
#include <string_view>

namespace qvsql {

inline constexpr std::array<std::string_view, 3> andOrChoices{"   ", "AND", "OR"};
inline constexpr std::array<std::string_view, 4> operatorChoices{"=", "LIKE", "IN", "BETWEEN"};
inline constexpr std::array<std::string_view, 3> sortChoices{"   ", "ASC", "DESC"};

// Clause indexes of the When Printed state.
enum ClauseIndex : int { clauseSelect = 0, clauseFrom = 1, clauseWhere = 2, clauseOrderBy = 3 };

// Pseudo table or column name that turns a clause into a When Printed prompt.
inline constexpr std::string_view whenPrintedName = "{WHEN PRINTED}";

} // namespace qvsql
