#include "Registration.h"

#include "WhenPrinted.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

bool HasControl(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string ColumnList(const std::vector<std::string>& columns) {
    std::string list;
    for (const std::string& column : columns)
        list += column + '\t';
    return list;
}

// The table's entry, or nothing (with a note) when a name cannot be registered.
std::optional<Registration> Entry(const CatalogueTable& table, bool whenPrinted,
                                  std::vector<std::string>& notes) {
    const std::string name = OfferedName(table);
    if (HasControl(name)) {
        notes.push_back("skipped the table \"" + VisibleName(name) +
                        "\": its name holds a control character");
        return std::nullopt;
    }
    std::vector<std::string> columns;
    for (const std::string& column : table.columns) {
        if (HasControl(column))
            notes.push_back("skipped the column \"" + VisibleName(column) + "\" of \"" + name +
                            "\": its name holds a control character");
        else
            columns.push_back(column);
    }
    if (whenPrinted)
        columns.emplace_back(WhenPrintedName);
    Registration entry{name, ColumnList(columns), std::nullopt};
    if (!table.schema.empty())
        entry.schemaValue = table.schema + '\t' + table.name;
    return entry;
}

void Limit(RegistrationPlan& plan, const RegistrationOptions& options) {
    const std::size_t total = plan.tables.size();
    if (options.maxTables == 0 || total <= options.maxTables)
        return;
    const auto kept =
        std::find_if(plan.tables.begin() + options.maxTables, plan.tables.end(),
                     [&](const Registration& r) { return r.name == options.keepTable; });
    if (kept != plan.tables.end())
        std::iter_swap(plan.tables.begin() + options.maxTables - 1, kept);
    plan.tables.resize(options.maxTables);
    plan.notes.push_back("the database has " + std::to_string(total) + " tables; offering " +
                         std::to_string(options.maxTables) +
                         " of them (--max-tables and --schema choose others)");
}

} // namespace

std::string OfferedName(const CatalogueTable& table) {
    return table.schema.empty() ? table.name : table.schema + '.' + table.name;
}

std::string VisibleName(const std::string& name) {
    std::string visible;
    for (const char c : name) {
        if (c == '\t')
            visible += "\\t";
        else if (c == '\n')
            visible += "\\n";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(c));
            visible += code;
        } else
            visible += c;
    }
    return visible;
}

RegistrationPlan PlanRegistration(const std::vector<CatalogueTable>& catalogue,
                                  const RegistrationOptions& options) {
    RegistrationPlan plan;
    std::set<std::string> offered;
    for (const CatalogueTable& table : catalogue) {
        auto entry = Entry(table, options.whenPrinted, plan.notes);
        if (!entry)
            continue;
        if (!offered.insert(entry->name).second) {
            plan.notes.push_back("skipped a second table offered as \"" + entry->name + "\"");
            continue;
        }
        plan.tables.push_back(std::move(*entry));
    }
    Limit(plan, options);
    plan.catalogueTables = plan.tables.size();
    if (options.whenPrinted)
        plan.tables.push_back({WhenPrintedName, std::string(WhenPrintedName) + '\t', std::nullopt});
    return plan;
}
