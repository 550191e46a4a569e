#pragma once
#include "sql/GroupingChars.h"

#include <string>
#include <string_view>

namespace qvsql {

// The form in which a table, column or field name is written into a statement:
// trimmed, wrapped in the grouping characters when it needs it, apostrophes removed.
std::string QuoteIdentifier(std::string_view name, GroupingChars grouping);
void AppendQuotedIdentifier(std::string& out, std::string_view name, GroupingChars grouping);

} // namespace qvsql
