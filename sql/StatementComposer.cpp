#include "sql/StatementComposer.h"

#include "sql/ChoiceLists.h"
#include "sql/IdentifierQuoter.h"
#include "sql/TextOps.h"

#include <algorithm>

namespace qvsql {

namespace {

// Takes a When Printed value for a clause when its flag is set or it was the clause
// that received a value last; the pending clause is consumed by its use.
bool TakeWhenPrinted(const QuerySnapshot& s, int clause, std::string_view keyword, ComposeResult& r,
                     std::string& part) {
    if (!s.wpFlags[clause] && r.lastWpClause != keyword)
        return false;
    part = s.wpValues[clause];
    r.lastWpClause.clear();
    return true;
}

std::string ColumnPart(const QuerySnapshot& s, ComposeResult& r) {
    std::string part;
    if (TakeWhenPrinted(s, clauseSelect, "SELECT", r, part))
        return part;
    if (!s.columnList.empty() && s.columnList.front().checked)
        return "*";
    bool first = true;
    for (std::size_t i = 1; i < s.columnList.size(); ++i) {
        if (!s.columnList[i].checked)
            continue;
        if (!first)
            part += ',';
        part += QuoteIdentifier(s.columnList[i].text, s.grouping);
        first = false;
    }
    return part;
}

// Splits a schema value the way strtok does with a tab delimiter: runs of tabs separate,
// leading tabs are skipped.
std::string_view NextTabToken(std::string_view& rest) {
    const std::size_t start = rest.find_first_not_of('\t');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find('\t'), rest.size());
    const std::string_view token = rest.substr(0, end);
    rest.remove_prefix(end);
    return token;
}

std::string TableName(const QuerySnapshot& s, const std::string& table) {
    const std::string* schema = s.schemaLookup ? s.schemaLookup(table) : nullptr;
    if (schema == nullptr)
        return QuoteIdentifier(table, s.grouping);
    std::string_view rest = *schema;
    const std::string_view schemaName = NextTabToken(rest);
    if (schemaName.empty())
        return QuoteIdentifier(table, s.grouping);
    const std::string_view name = NextTabToken(rest);
    std::string out;
    out.reserve(schemaName.size() + name.size() + 5);
    out.append(1, s.grouping.open).append(schemaName).append(1, s.grouping.close);
    out.append(".").append(1, s.grouping.open).append(name).append(1, s.grouping.close);
    return out;
}

bool AppendWhere(const QuerySnapshot& s, std::string& text) {
    if (!s.whereEnabled || s.where.empty())
        return true;
    std::string conditions;
    for (std::size_t i = 0; i < s.where.size(); ++i) {
        const WhereRow& row = s.where[i];
        if (i > 0) {
            conditions += ' ';
            if (row.andOr.empty() || row.andOr == andOrChoices[0])
                return false;
            conditions += row.andOr;
        }
        conditions.append(" ( ").append(QuoteIdentifier(row.field, s.grouping)).append(" ");
        conditions.append(row.op).append(" ").append(row.value.empty() ? "''" : row.value);
        conditions += " )";
    }
    text.append("WHERE ").append(conditions).append(" ");
    return true;
}

std::string SortPart(const QuerySnapshot& s, ComposeResult& r) {
    std::string part;
    if (TakeWhenPrinted(s, clauseOrderBy, "ORDER BY", r, part) || !s.orderByEnabled)
        return part;
    bool first = true;
    for (const OrderByRow& row : s.orderBy) {
        if (!row.checked)
            continue;
        if (!first)
            part += ',';
        part += QuoteIdentifier(row.field, s.grouping);
        const std::string_view direction = TrimRight(row.direction);
        if (!direction.empty())
            part.append(" ").append(direction);
        first = false;
    }
    return part;
}

ComposeResult Fail(ComposeResult r, std::string_view message) {
    r.result = false;
    r.errorText = message;
    return r;
}

} // namespace

ComposeResult ComposeStatement(const QuerySnapshot& s) {
    ComposeResult r{true, s.sqlText, s.errorText, s.lastWpClause};
    if (!s.ready)
        return r;
    r.errorText.clear();
    std::string text = "SELECT ";
    const std::string columns = ColumnPart(s, r);
    if (columns.empty())
        return Fail(std::move(r), errorNoColumns);
    text.append(columns).append(" FROM ");
    std::string table;
    if (!TakeWhenPrinted(s, clauseFrom, "FROM", r, table))
        table = s.table;
    if (table.empty())
        return Fail(std::move(r), errorNoTable);
    text.append(s.wpFlags[clauseFrom] ? table : TableName(s, table)).append(" ");
    if (!AppendWhere(s, text))
        return Fail(std::move(r), errorWhere);
    const std::string sort = SortPart(s, r);
    if (!sort.empty())
        text.append(" ORDER BY ").append(sort);
    r.sqlText = std::move(text);
    r.errorText.clear();
    return r;
}

} // namespace qvsql
