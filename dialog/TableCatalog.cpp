#include "dialog/TableCatalog.h"

#include "platform/sys/KernelStrings.h"
#include "sql/ColumnListString.h"

#include <algorithm>

namespace tablecatalog {

namespace {

// The order of a sorted combo box: letter case folded first, then the bytes.
bool SortsBefore(const std::string& a, const std::string& b) {
    const int folded = qvsql::CompareNoCaseAscii(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

std::vector<std::string> Names(const CMapStringToString& tables) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(tables.GetCount()));
    std::string key;
    std::string value;
    for (POSITION pos = tables.GetStartPosition(); pos;) {
        tables.GetNextAssoc(pos, key, value);
        names.push_back(key);
    }
    return names;
}

std::vector<std::string> SortedNames(const CMapStringToString& tables) {
    std::vector<std::string> names = Names(tables);
    std::sort(names.begin(), names.end(), SortsBefore);
    return names;
}

std::string OpeningTable(const CMapStringToString& tables, const std::string& current) {
    std::string value;
    if (!current.empty() && tables.Lookup(current, value)) {
        return current;
    }
    const std::vector<std::string> names = SortedNames(tables);
    if (names.empty()) {
        return {};
    }
    auto same = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
        return qvsql::CompareNoCaseAscii(name, current) == 0;
    });
    return same != names.end() ? *same : names.front();
}

std::vector<std::string> Columns(const CMapStringToString& tables, const std::string& table) {
    std::string value;
    if (!tables.Lookup(table, value)) {
        return {};
    }
    return qvsql::SplitColumnList(value);
}

} // namespace tablecatalog
