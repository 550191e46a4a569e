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
    if (!s.wpFlags[clause] && r.lastWpClause != keyword) {
        return false;
    }
    part = s.wpValues[clause];
    r.lastWpClause.clear();
    return true;
}

// Appends the column part; false when it came out empty.
bool AppendColumns(const QuerySnapshot& s, ComposeResult& r, std::string& text) {
    const std::size_t start = text.size();
    std::string value;
    if (TakeWhenPrinted(s, clauseSelect, "SELECT", r, value)) {
        text += value;
    } else if (!s.columnList.empty() && s.columnList.front().checked) {
        text += '*';
    } else {
        bool first = true;
        for (std::size_t i = 1; i < s.columnList.size(); ++i) {
            if (!s.columnList[i].checked) {
                continue;
            }
            if (!first) {
                text += ',';
            }
            AppendQuotedIdentifier(text, s.columnList[i].text, s.grouping);
            first = false;
        }
    }
    return text.size() > start;
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
    if (schema == nullptr) {
        return QuoteIdentifier(table, s.grouping);
    }
    std::string_view rest = *schema;
    const std::string_view schemaName = NextTabToken(rest);
    if (schemaName.empty()) {
        return QuoteIdentifier(table, s.grouping);
    }
    const std::string_view name = NextTabToken(rest);
    std::string out;
    out.reserve(schemaName.size() + name.size() + 5);
    out.append(1, s.grouping.open).append(schemaName).append(1, s.grouping.close);
    out.append(".").append(1, s.grouping.open).append(name).append(1, s.grouping.close);
    return out;
}

bool AppendWhere(const QuerySnapshot& s, std::string& text) {
    if (!s.whereEnabled || s.where.empty()) {
        return true;
    }
    text += "WHERE ";
    for (std::size_t i = 0; i < s.where.size(); ++i) {
        const WhereRow& row = s.where[i];
        if (i > 0) {
            text += ' ';
            if (row.andOr.empty() || row.andOr == andOrChoices[0]) {
                return false;
            }
            text += row.andOr;
        }
        text += " ( ";
        AppendQuotedIdentifier(text, row.field, s.grouping);
        text.append(" ").append(row.op).append(" ");
        text.append(row.value.empty() ? "''" : row.value).append(" )");
    }
    text += ' ';
    return true;
}

void AppendSort(const QuerySnapshot& s, ComposeResult& r, std::string& text) {
    const std::size_t start = text.size();
    text += " ORDER BY ";
    const std::size_t partStart = text.size();
    std::string value;
    if (TakeWhenPrinted(s, clauseOrderBy, "ORDER BY", r, value)) {
        text += value;
    } else if (s.orderByEnabled) {
        for (const OrderByRow& row : s.orderBy) {
            if (!row.checked) {
                continue;
            }
            if (text.size() > partStart) {
                text += ',';
            }
            AppendQuotedIdentifier(text, row.field, s.grouping);
            const std::string_view direction = TrimRight(row.direction);
            if (!direction.empty()) {
                text.append(" ").append(direction);
            }
        }
    }
    if (text.size() == partStart) {
        text.resize(start);
    }
}

// Room for the whole statement, so that a large one is built in a single buffer.
std::size_t EstimatedLength(const QuerySnapshot& s) {
    std::size_t length = 64 + s.table.size();
    for (const std::string& value : s.wpValues) {
        length += value.size();
    }
    for (const ColumnItem& item : s.columnList) {
        length += item.text.size() + 3;
    }
    for (const WhereRow& row : s.where) {
        length += row.andOr.size() + row.field.size() + row.op.size() + row.value.size() + 12;
    }
    for (const OrderByRow& row : s.orderBy) {
        length += row.field.size() + row.direction.size() + 4;
    }
    return length;
}

ComposeResult Fail(const QuerySnapshot& s, ComposeResult r, std::string_view message) {
    r.result = false;
    r.sqlText = s.sqlText;
    r.errorText = message;
    return r;
}

} // namespace

ComposeResult ComposeStatement(const QuerySnapshot& s) {
    ComposeResult r{true, {}, {}, s.lastWpClause};
    if (!s.ready) {
        r.sqlText = s.sqlText;
        r.errorText = s.errorText;
        return r;
    }
    std::string text;
    text.reserve(EstimatedLength(s));
    text = "SELECT ";
    if (!AppendColumns(s, r, text)) {
        return Fail(s, std::move(r), errorNoColumns);
    }
    text += " FROM ";
    std::string table;
    if (!TakeWhenPrinted(s, clauseFrom, "FROM", r, table)) {
        table = s.table;
    }
    if (table.empty()) {
        return Fail(s, std::move(r), errorNoTable);
    }
    text.append(s.wpFlags[clauseFrom] ? table : TableName(s, table)).append(" ");
    if (!AppendWhere(s, text)) {
        return Fail(s, std::move(r), errorWhere);
    }
    AppendSort(s, r, text);
    r.sqlText = std::move(text);
    return r;
}

} // namespace qvsql
