#include "sql/StatementReader.h"

#include "sql/ChoiceLists.h"
#include "sql/NameIndex.h"
#include "sql/StatementSplitter.h"
#include "sql/TextOps.h"

#include <algorithm>

namespace qvsql {

namespace {

std::string_view StripEnds(std::string_view text, char first, char last) {
    if (!text.empty() && text.back() == last) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == first) {
        text.remove_prefix(1);
    }
    return text;
}

// Names of equal text ignoring letter case have the same length: columns of a length no name
// has are passed over without hashing.
class LengthFilter {
  public:
    void Add(std::size_t length) {
        if (length >= lengths.size()) {
            lengths.resize(length + 1, false);
        }
        lengths[length] = true;
    }
    bool Passes(std::size_t length) const { return length < lengths.size() && lengths[length]; }

  private:
    std::vector<bool> lengths;
};

// For each of a few names, the first column equal to it ignoring letter case, -1 for none.
// The names are indexed and the many columns read once, rather than the other way round.
std::vector<int> FirstColumns(const std::vector<std::string_view>& names,
                              std::span<const std::string> columns) {
    NameIndex wanted;
    LengthFilter filter;
    bool repeated = false;
    wanted.Reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        repeated = !wanted.Add(names[i], static_cast<int>(i)) || repeated;
        filter.Add(names[i].size());
    }
    std::vector<int> first(names.size(), -1);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int name = filter.Passes(columns[c].size()) ? wanted.Find(columns[c]) : -1;
        if (name >= 0 && first[static_cast<std::size_t>(name)] < 0) {
            first[static_cast<std::size_t>(name)] = static_cast<int>(c);
        }
    }
    for (std::size_t i = 0; repeated && i < names.size(); ++i) { // as the first of its name
        first[i] = first[static_cast<std::size_t>(wanted.Find(names[i]))];
    }
    return first;
}

// "*" named in the list stands for item 0, never for a column of that name.
void CheckColumns(const std::vector<std::string>& items, std::span<const std::string> columns,
                  ReadBack& out) {
    std::vector<std::string_view> names;
    names.reserve(items.size());
    bool named = false;
    for (const std::string& item : items) {
        named = named || !item.empty();
        const std::string_view name = StripEnds(item, '[', ']');
        if (!item.empty() && name != "*") {
            names.push_back(name);
        }
    }
    if (!named) {
        out.checkedItems.push_back(0); // nothing named: "*"
        return;
    }
    std::vector<bool> checked(columns.size() + 1, false);
    bool any = false;
    for (const int column : FirstColumns(names, columns)) {
        if (column >= 0) {
            checked[static_cast<std::size_t>(column) + 1] = true;
            any = true;
        }
    }
    checked[0] = !any;
    for (std::size_t i = 0; i < checked.size(); ++i) {
        if (checked[i]) {
            out.checkedItems.push_back(static_cast<int>(i));
        }
    }
}

int OperatorIndex(std::string_view text) {
    const std::string_view op = Trim(text);
    for (std::size_t i = 0; i < operatorChoices.size(); ++i) {
        if (!op.empty() && EqualsNoCase(op, operatorChoices[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Takes one condition apart: field, operator and value; the field's name is left in field
// for the caller to find among the columns.
WhereRowCall ReadCondition(char code, std::string_view text, GroupingChars grouping,
                           std::string_view& fieldName) {
    WhereRowCall call;
    call.connector = std::max(code - '0', 0);
    text = Trim(StripEnds(text, '(', ')'));
    const int end = FindFieldEnd(text, grouping);
    const std::string_view field = end >= 1 ? text.substr(0, static_cast<std::size_t>(end)) : text;
    const std::size_t opStart = static_cast<std::size_t>(end + 1);
    std::size_t opEnd = 0;
    const std::size_t apostrophe = text.find('\'');
    const std::size_t blank = text.rfind(' ');
    if (apostrophe != std::string_view::npos && apostrophe >= 1) {
        call.value = text.substr(apostrophe);
        opEnd = apostrophe;
    } else if (blank != std::string_view::npos && blank >= 1) {
        call.value = text.substr(blank + 1);
        opEnd = blank;
    }
    if (opStart < opEnd) {
        call.op = OperatorIndex(text.substr(opStart, opEnd - opStart));
    }
    fieldName = StripEnds(field, grouping.open, grouping.close);
    return call;
}

void ReadConditions(const std::vector<std::string>& items, const ReadBackInput& in, ReadBack& out) {
    std::vector<std::string_view> fields;
    fields.reserve(items.size());
    for (const std::string& item : items) {
        const std::string_view condition = Trim(std::string_view(item).substr(1));
        if (condition.empty()) {
            continue;
        }
        out.whereRows.push_back(
            ReadCondition(item.front(), condition, in.grouping, fields.emplace_back()));
    }
    const std::vector<int> found = FirstColumns(fields, in.tableColumns);
    for (std::size_t i = 0; i < found.size(); ++i) {
        out.whereRows[i].field = std::max(found[i], 0);
    }
}

// The direction index a sort item's trailing word gives: by its length alone.
int DirectionIndex(std::string_view direction) {
    if (direction.size() == 3) {
        return 1;
    }
    return direction.size() == 4 ? 2 : 0;
}

void ReadSort(const std::vector<std::string>& items, std::span<const std::string> columns,
              ReadBack& out) {
    NameIndex names;
    LengthFilter filter;
    names.Reserve(items.size());
    std::vector<int> directions;
    directions.reserve(items.size());
    for (const std::string& item : items) {
        std::string_view name = TrimRight(item);
        if (name.empty()) {
            continue;
        }
        std::string_view direction;
        const std::size_t blank = name.rfind(' ');
        if (blank != std::string_view::npos && blank >= 1) {
            if (name.size() - blank - 1 >= 3) {
                direction = TrimRight(name.substr(blank + 1));
            }
            name = name.substr(0, blank);
        }
        name = StripEnds(name, '[', ']');
        names.Add(name, static_cast<int>(directions.size()));
        filter.Add(name.size());
        directions.push_back(DirectionIndex(direction));
    }
    if (directions.empty()) {
        return;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int match = filter.Passes(columns[i].size()) ? names.Find(columns[i]) : -1;
        if (match >= 0) {
            out.sortRows.push_back(
                {static_cast<int>(i), directions[static_cast<std::size_t>(match)]});
        }
    }
}

} // namespace

int FindFieldEnd(std::string_view condition, GroupingChars grouping) {
    const std::size_t close = condition.find(grouping.close);
    if (!condition.empty() && condition.front() == grouping.open &&
        close != std::string_view::npos && close >= 1) {
        return static_cast<int>(close + 1);
    }
    const std::size_t blank = condition.find(' ');
    return blank == std::string_view::npos ? -1 : static_cast<int>(blank);
}

ReadBack ReadBackStatement(const ReadBackInput& in) {
    ReadBack out;
    StatementPieces pieces;
    out.split = SplitStatement(in.sqlText, in.grouping, pieces);
    CheckColumns(pieces.columns, in.tableColumns, out);
    if (in.whereEnabled && !pieces.conditions.empty()) {
        ReadConditions(pieces.conditions, in, out);
    }
    if (in.orderByEnabled && !in.tableColumns.empty()) {
        ReadSort(pieces.sort, in.tableColumns, out);
    }
    return out;
}

} // namespace qvsql
