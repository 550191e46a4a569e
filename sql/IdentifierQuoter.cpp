#include "sql/IdentifierQuoter.h"

#include "sql/ReservedWords.h"
#include "sql/TextOps.h"

#include <algorithm>

namespace qvsql {

namespace {

bool HasQuotingCharacter(std::string_view name) {
    return name.find_first_of(" $'#.0123456789") != std::string_view::npos;
}

} // namespace

std::string QuoteIdentifier(std::string_view name, GroupingChars grouping) {
    const std::string_view trimmed = Trim(name);
    std::string result;
    result.reserve(trimmed.size() + 2);
    // Only a non-empty name can need wrapping, so front() and back() are safe below.
    const bool wrap = HasQuotingCharacter(trimmed) || IsReservedWord(trimmed);
    if (wrap && trimmed.front() != grouping.open)
        result.push_back(grouping.open);
    result.append(trimmed);
    if (wrap && trimmed.back() != grouping.close)
        result.push_back(grouping.close);
    std::erase(result, '\'');
    return result;
}

} // namespace qvsql
