// qvsql-host: a small label-printing host. It loads the query builder library, offers it the
// tables of a SQLite or ODBC database, and runs the statement the user composes.
#include "HostError.h"
#include "HostOptions.h"
#include "HostPaths.h"
#include "OdbcDatabase.h"
#include "QvSQLLibrary.h"
#include "Registration.h"
#include "RowTable.h"
#include "ScriptFailureWatch.h"
#include "SqliteDatabase.h"
#include "WhenPrinted.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr int StatementSize = 8192;
constexpr std::size_t RowLimit = 20;

std::string_view Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Headless without a script, the dialog could only cancel at once.
void RequireDisplay() {
    if (!Env("QVSQL_SCRIPT").empty())
        return;
    const std::string_view backend = Env("QVSQL_BACKEND");
    if (backend != "headless" && (backend == "x11" || !Env("DISPLAY").empty()))
        return;
    throw HostError(ExitStatus::NoDisplay,
                    "no display. Run it on an X display (set DISPLAY, or use xvfb-run), or give "
                    "it a script to play headless: QVSQL_SCRIPT=FILE (see docs/scripting.md).");
}

std::unique_ptr<Database> OpenDatabase(const HostOptions& options) {
    if (!options.odbc.empty())
        return OpenOdbc(options.odbc, {options.connectTimeout, options.queryTimeout});
    return std::make_unique<SqliteDatabase>(options.db.empty() ? SampleDatabase() : options.db,
                                            options.queryTimeout);
}

// The tables to offer, with their notes on standard error; at least one table.
RegistrationPlan Plan(Database& db, const HostOptions& options) {
    RegistrationPlan plan =
        PlanRegistration(db.Tables(options.schema),
                         {options.whenPrinted, options.maxTables, options.table.value_or("")});
    for (const std::string& note : plan.notes)
        std::cerr << "qvsql-host: " << note << '\n';
    if (plan.catalogueTables == 0)
        throw HostError(ExitStatus::NoTables,
                        options.schema.empty()
                            ? "the database has no tables"
                            : "the schema \"" + VisibleName(options.schema) + "\" has no tables");
    return plan;
}

const Registration& CurrentTable(const RegistrationPlan& plan, const HostOptions& options) {
    if (!options.table)
        return plan.tables.front();
    const auto found =
        std::find_if(plan.tables.begin(), plan.tables.end(),
                     [&](const Registration& r) { return r.name == *options.table; });
    if (found == plan.tables.end())
        throw HostError(ExitStatus::UnknownTable, "no table \"" + VisibleName(*options.table) +
                                                      "\" among those offered (--list-tables)");
    return *found;
}

void Register(const QvSQLLibrary& lib, const RegistrationPlan& plan, const std::string& grouping,
              const HostOptions& options) {
    if (options.language)
        lib.setLanguage(*options.language);
    lib.setGroupingChars(grouping.c_str());
    for (const Registration& table : plan.tables) {
        lib.setTableAndColumns(table.name.c_str(), table.columns.c_str());
        if (table.schemaValue)
            lib.setShemaTable(table.name.c_str(), table.schemaValue->c_str());
    }
}

int ListTables(const HostOptions& options) {
    const auto db = OpenDatabase(options);
    for (const Registration& table : Plan(*db, options).tables)
        std::cout << table.name << '\n';
    return 0;
}

int Run(const HostOptions& options) {
    RequireDisplay();
    const ScriptFailureWatch script;
    const QvSQLLibrary lib(LibraryCandidates());
    if (!lib.Loaded())
        throw HostError(ExitStatus::NoLibrary, lib.Error());
    const auto db = OpenDatabase(options);
    const RegistrationPlan plan = Plan(*db, options);
    const Registration& table = CurrentTable(plan, options);
    Register(lib, plan, options.grouping.value_or(db->GroupingChars()), options);
    lib.setCurrentTable(table.name.c_str());

    std::vector<char> buffer(StatementSize, '\0');
    options.sql.copy(buffer.data(), buffer.size() - 1);
    const int result = lib.getSELECTSQLQuery(table.name.c_str(), table.columns.c_str(),
                                             buffer.data(), StatementSize);
    if (script.Failed())
        return static_cast<int>(ExitStatus::ScriptFailed);
    if (result != 0)
        return static_cast<int>(ExitStatus::Cancelled);
    const std::string sql = buffer.data();
    std::cout << sql << std::endl;
    if (options.run)
        PrintRowTable(std::cout, db->Run(ReplaceWhenPrinted(sql), RowLimit));
    return 0;
}

int Main(const HostOptions& options) {
    if (options.help)
        std::cout << HostUsage;
    else if (options.version)
        std::cout << "qvsql-host " << QVSQL_VERSION << '\n';
    else
        return options.listTables ? ListTables(options) : Run(options);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Main(ParseHostOptions({argv + 1, argv + argc}));
    } catch (const std::invalid_argument& e) {
        std::cerr << "qvsql-host: " << e.what() << " (qvsql-host --help lists the options)\n";
        return static_cast<int>(ExitStatus::Usage);
    } catch (const HostError& e) {
        std::cerr << "qvsql-host: " << e.what() << '\n';
        return static_cast<int>(e.Status());
    } catch (const std::exception& e) {
        std::cerr << "qvsql-host: " << e.what() << '\n';
        return static_cast<int>(ExitStatus::CannotOpen);
    }
}
