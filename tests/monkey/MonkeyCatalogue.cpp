#include "tests/monkey/MonkeyCatalogue.h"

#include "dialog/CSELECTSQLDlg.h"
#include "module/ModuleSettings.h"
#include "sql/ColumnListString.h"

#include <cctype>

namespace monkey {

void MonkeyCatalogue::Clear() {
    tables.clear();
    schemas.clear();
}

std::string MonkeyCatalogue::ColumnList() {
    std::string list;
    const int count = random.Percent(5) ? random.Between(20, 60) : random.Below(8);
    for (int i = 0; i < count; ++i) {
        list += random.Name() + "\t";
    }
    if (random.Percent(15)) {
        list += random.WhenPrinted() + "\t"; // the When Printed choice of the SELECT clause
    }
    if (random.Percent(5)) {
        list += random.Name(); // a last name without its tab is not taken
    }
    if (random.Percent(4)) {
        list.insert(0, "\t"); // a leading tab gives no columns
    }
    return list;
}

std::string MonkeyCatalogue::SchemaValue() {
    switch (random.Below(6)) {
    case 0:
        return "";
    case 1:
        return "\t\t";
    case 2:
        return random.Name(); // no tab: an empty second token
    case 3:
        return "\t" + random.Name();
    default:
        return random.Name() + "\t" + random.Name();
    }
}

std::string MonkeyCatalogue::Grouping() {
    static const std::vector<std::string> pairs{"[]", "[]", "[]", "\"\"", "``", "<>",  "()",
                                                "''", "][", "||", "[",    "",   "{}<>"};
    return random.Pick(pairs);
}

std::string MonkeyCatalogue::CurrentTable() {
    if (tables.empty() || random.Percent(15)) {
        return random.Percent(50) ? "" : random.Name();
    }
    auto it = tables.begin();
    std::advance(it, random.Below(static_cast<int>(tables.size())));
    std::string name = it->first;
    if (random.Percent(10)) { // a name differing only in letter case
        for (char& c : name) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return name;
}

void MonkeyCatalogue::Grow(CSELECTSQLDlg& dialog, qvsql::ModuleSettings& settings) {
    const int count = random.Percent(5) ? 0 : random.Between(1, 4);
    for (int i = 0; i < count; ++i) {
        const std::string name = random.Percent(8) ? random.WhenPrinted() : random.Name();
        const std::string columns = ColumnList();
        tables[name] = columns;
        dialog.SetTableAndColumns(name.c_str(), columns.c_str());
        if (random.Percent(25)) {
            const std::string schema = SchemaValue();
            schemas[name] = schema;
            dialog.SetSchemaTable(name.c_str(), schema.c_str());
        }
    }
    if (random.Percent(30)) {
        settings.SetGroupingChars(Grouping().c_str());
    }
    settings.SetCurrentTable(CurrentTable().c_str());
}

// ---- statements

std::string MonkeyCatalogue::Keyword(const char* word) {
    std::string text = word;
    for (char& c : text) {
        if (random.Percent(20)) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

std::vector<std::string> MonkeyCatalogue::SomeColumns() {
    if (tables.empty()) {
        return {random.Name()};
    }
    auto it = tables.begin();
    std::advance(it, random.Below(static_cast<int>(tables.size())));
    std::vector<std::string> columns = qvsql::SplitColumnList(it->second);
    columns.push_back(random.Name());
    return columns;
}

// A name as a host's earlier statement may have written it: bare, bracketed or half.
std::string MonkeyCatalogue::ColumnPart() {
    if (random.Percent(15)) {
        return random.Percent(50) ? "*" : "{'" + random.Typed() + "'|'" + random.Name() + "'}";
    }
    const std::vector<std::string> columns = SomeColumns();
    std::string part;
    const int count = random.Between(1, 4);
    for (int i = 0; i < count; ++i) {
        const std::string& name = random.Pick(columns);
        part += (i ? (random.Percent(20) ? ", " : ",") : "") +
                (random.Percent(40) ? "[" + name + "]" : name);
    }
    return part;
}

std::string MonkeyCatalogue::Conditions() {
    static const std::vector<std::string> operators{"=", "LIKE", "IN", "BETWEEN", "<>", "like"};
    const std::vector<std::string> columns = SomeColumns();
    std::string text;
    const int count = random.Between(1, 3);
    for (int i = 0; i < count; ++i) {
        if (i) {
            text += random.Percent(50) ? " AND " : (random.Percent(70) ? " OR " : " and ");
        }
        text += "( [" + random.Pick(columns) + "] " + random.Pick(operators) + " " +
                (random.Percent(50) ? "'" + random.Typed() + "'" : random.Typed()) + " )";
    }
    return text;
}

std::string MonkeyCatalogue::SortPart() {
    static const std::vector<std::string> directions{"", " ASC", " DESC", " asc", " X"};
    const std::vector<std::string> columns = SomeColumns();
    std::string text;
    const int count = random.Between(1, 3);
    for (int i = 0; i < count; ++i) {
        text += (i ? "," : "") + random.Pick(columns) + random.Pick(directions);
    }
    return text;
}

std::string MonkeyCatalogue::Statement(const std::string& lastResult) {
    const int kind = random.Below(10);
    if (kind < 2) {
        return "";
    }
    if (kind < 5 && !lastResult.empty()) {
        return lastResult;
    }
    if (kind == 5) { // garbage made of the same pieces
        std::string text;
        for (int i = random.Between(1, 6); i > 0; --i) {
            text += random.Percent(30) ? Keyword("SELECT ") : random.Typed();
        }
        return text;
    }
    std::string text = Keyword("SELECT ") + ColumnPart() + Keyword(" FROM ") + random.Name();
    if (random.Percent(50)) {
        text += " " + Keyword("WHERE ") + " " + Conditions();
    }
    if (random.Percent(50)) {
        text += "  " + Keyword("ORDER BY ") + SortPart();
    }
    return text;
}

} // namespace monkey
