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

void CheckColumns(const std::vector<std::string>& items, std::span<const std::string> columns,
                  ReadBack& out) {
    if (std::none_of(items.begin(), items.end(), [](const std::string& i) { return !i.empty(); })) {
        out.checkedItems.push_back(0); // nothing named: "*"
        return;
    }
    NameIndex index;
    index.Reserve(columns.size() + 1);
    index.Add("*", 0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        index.Add(columns[i], static_cast<int>(i + 1));
    }
    std::vector<bool> checked(columns.size() + 1, false);
    bool any = false;
    for (const std::string& item : items) {
        if (item.empty()) {
            continue;
        }
        const int found = index.Find(StripEnds(item, '[', ']'));
        if (found > 0) {
            checked[static_cast<std::size_t>(found)] = true;
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

// Takes one condition apart: field, operator and value.
WhereRowCall ReadCondition(char code, std::string_view text, GroupingChars grouping,
                           const NameIndex& fields) {
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
    call.field = std::max(fields.Find(StripEnds(field, grouping.open, grouping.close)), 0);
    return call;
}

void ReadConditions(const std::vector<std::string>& items, const ReadBackInput& in, ReadBack& out) {
    NameIndex fields;
    fields.Reserve(in.tableColumns.size());
    for (std::size_t i = 0; i < in.tableColumns.size(); ++i) {
        fields.Add(in.tableColumns[i], static_cast<int>(i));
    }
    for (const std::string& item : items) {
        const std::string_view condition = Trim(std::string_view(item).substr(1));
        if (condition.empty()) {
            continue;
        }
        out.whereRows.push_back(ReadCondition(item.front(), condition, in.grouping, fields));
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
        names.Add(StripEnds(name, '[', ']'), static_cast<int>(directions.size()));
        directions.push_back(DirectionIndex(direction));
    }
    if (directions.empty()) {
        return;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int match = names.Find(columns[i]);
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
