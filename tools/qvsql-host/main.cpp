// qvsql-host: a small label-printing host. It loads the query builder library, offers it the
// tables of a SQLite database, and runs the statement the user composes.
#include "Catalogue.h"
#include "HostOptions.h"
#include "QvSQLLibrary.h"
#include "RowTable.h"
#include "ScriptFailureWatch.h"
#include "WhenPrinted.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

constexpr int StatementSize = 8192;
constexpr std::size_t RowLimit = 20;
constexpr int ScriptFailedStatus = 3;

std::string_view Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Headless without a script, the dialog could only cancel at once.
bool CanShowDialog() {
    if (!Env("QVSQL_SCRIPT").empty())
        return true;
    const std::string_view backend = Env("QVSQL_BACKEND");
    return backend != "headless" && (backend == "x11" || !Env("DISPLAY").empty());
}

std::string DefaultDatabase() {
    std::error_code ignored;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
    const auto beside = folder / "sample.db";
    if (std::filesystem::exists(beside))
        return beside.string();
    return (folder / ".." / "share" / "qvsql-host" / "sample.db").string();
}

std::string ColumnList(const std::vector<std::string>& columns) {
    std::string list;
    for (const std::string& column : columns)
        list += column + '\t';
    return list;
}

// Table name to column list, as the library is told; When Printed choices included.
std::map<std::string, std::string>
Register(const QvSQLLibrary& lib, const std::vector<CatalogueTable>& tables, bool whenPrinted) {
    std::map<std::string, std::string> registered;
    for (CatalogueTable table : tables) {
        if (whenPrinted)
            table.columns.emplace_back(WhenPrintedName);
        registered[table.name] = ColumnList(table.columns);
    }
    if (whenPrinted)
        registered[WhenPrintedName] = ColumnList({WhenPrintedName});
    for (const auto& [name, columns] : registered)
        lib.setTableAndColumns(name.c_str(), columns.c_str());
    return registered;
}

int RunStatement(const Catalogue& db, const std::string& sql) {
    try {
        PrintRowTable(std::cout, db.Run(ReplaceWhenPrinted(sql), RowLimit));
        return 0;
    } catch (const std::runtime_error& e) {
        std::cerr << "qvsql-host: the statement failed: " << e.what() << '\n';
        return 2;
    }
}

int Run(const HostOptions& options) {
    if (!CanShowDialog()) {
        std::cerr << "qvsql-host: no display. Run it on an X display (set DISPLAY, or use "
                     "xvfb-run), or give it a script to play headless: QVSQL_SCRIPT=FILE "
                     "(see docs/scripting.md).\n";
        return 1;
    }
    const Catalogue db(options.db.empty() ? DefaultDatabase() : options.db);
    const std::vector<CatalogueTable> tables = db.Tables();
    const ScriptFailureWatch script;
    const QvSQLLibrary lib;
    if (!lib.Loaded())
        throw std::runtime_error(lib.Error());
    if (options.language)
        lib.setLanguage(*options.language);
    if (options.grouping)
        lib.setGroupingChars(options.grouping->c_str());
    const auto registered = Register(lib, tables, options.whenPrinted);
    const std::string table = options.table.value_or(tables.empty() ? "" : tables[0].name);
    lib.setCurrentTable(table.c_str());

    std::vector<char> buffer(StatementSize, '\0');
    options.sql.copy(buffer.data(), buffer.size() - 1);
    const auto known = registered.find(table);
    const char* columns = known == registered.end() ? nullptr : known->second.c_str();
    const int result = lib.getSELECTSQLQuery(table.c_str(), columns, buffer.data(), StatementSize);
    if (script.Failed())
        return ScriptFailedStatus;
    if (result != 0)
        return 1;
    const std::string sql = buffer.data();
    std::cout << sql << std::endl;
    return options.run ? RunStatement(db, sql) : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const HostOptions options = ParseHostOptions({argv + 1, argv + argc});
        if (options.help) {
            std::cout << HostUsage;
            return 0;
        }
        return Run(options);
    } catch (const std::invalid_argument& e) {
        std::cerr << "qvsql-host: " << e.what() << '\n' << HostUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "qvsql-host: " << e.what() << '\n';
        return 2;
    }
}
