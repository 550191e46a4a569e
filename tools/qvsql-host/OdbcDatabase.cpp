#include "OdbcDatabase.h"

#include "HostError.h"
#include "OdbcDiagnostics.h"
#include "OdbcNames.h"
#include "OdbcStatement.h"

#include <algorithm>
#include <map>

namespace {

class OdbcDatabase : public Database {
  public:
    OdbcDatabase(const std::string& connection, const OdbcTimeouts& timeouts);
    ~OdbcDatabase() override { SQLDisconnect(dbc.Get()); }
    OdbcDatabase(const OdbcDatabase&) = delete;
    OdbcDatabase& operator=(const OdbcDatabase&) = delete;

    std::vector<CatalogueTable> Tables(const std::string& schema) override;
    std::string GroupingChars() override;
    QueryRows Run(const std::string& sql, std::size_t limit) override;

  private:
    std::string Info(SQLUSMALLINT what);
    void ReadColumns(const std::string& schema, std::vector<CatalogueTable>& tables);

    OdbcHandle env;
    OdbcHandle dbc;
    OdbcTimeouts timeouts;
};

OdbcHandle NewEnvironment() {
    OdbcHandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    return env;
}

SQLPOINTER Seconds(std::chrono::seconds seconds) {
    return reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(seconds.count()));
}

OdbcDatabase::OdbcDatabase(const std::string& connection, const OdbcTimeouts& limits)
    : env(NewEnvironment()), dbc(SQL_HANDLE_DBC, env.Get()), timeouts(limits) {
    SQLSetConnectAttr(dbc.Get(), SQL_ATTR_LOGIN_TIMEOUT, Seconds(timeouts.connect), 0);
    SQLSetConnectAttr(dbc.Get(), SQL_ATTR_CONNECTION_TIMEOUT, Seconds(timeouts.query), 0);
    std::string text = ConnectionString(connection);
    const SQLRETURN rc =
        SQLDriverConnect(dbc.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                         nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        const auto records = dbc.Diagnostics();
        throw HostError(ClassifyConnectFailure(records),
                        "cannot connect: " + FlattenDiagnostics(records));
    }
}

std::string OdbcDatabase::Info(SQLUSMALLINT what) {
    char text[256] = "";
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(dbc.Get(), what, text, sizeof text, &length)))
        return "";
    return text;
}

std::string OdbcDatabase::GroupingChars() {
    return GroupingFromQuoteChar(Info(SQL_IDENTIFIER_QUOTE_CHAR), Info(SQL_DBMS_NAME));
}

std::vector<CatalogueTable> OdbcDatabase::Tables(const std::string& schema) {
    const std::string escape = Info(SQL_SEARCH_PATTERN_ESCAPE);
    OdbcStatement list(dbc, timeouts.query);
    list.Tables(schema.empty() ? "%" : EscapePattern(schema, escape).c_str(), "TABLE,VIEW");
    std::vector<CatalogueTable> tables;
    while (list.Fetch()) {
        CatalogueTable table{list.Text(2).value_or(""), list.Text(3).value_or(""), {}};
        if (schema.empty() || table.schema == schema)
            tables.push_back(std::move(table));
    }
    std::vector<std::string> schemas;
    for (const CatalogueTable& table : tables)
        if (std::find(schemas.begin(), schemas.end(), table.schema) == schemas.end())
            schemas.push_back(table.schema);
    for (const std::string& name : schemas)
        ReadColumns(name, tables);
    return tables;
}

// One catalogue read per schema: the driver needs the schema name to find the columns of
// tables outside the search path, and one read per table would be slow with many tables.
void OdbcDatabase::ReadColumns(const std::string& schema, std::vector<CatalogueTable>& tables) {
    std::map<std::string, CatalogueTable*> bySchemaTable;
    for (CatalogueTable& table : tables)
        if (table.schema == schema)
            bySchemaTable[table.name] = &table;
    const std::string pattern = EscapePattern(schema, Info(SQL_SEARCH_PATTERN_ESCAPE));
    OdbcStatement columns(dbc, timeouts.query);
    columns.Columns(schema.empty() ? nullptr : pattern.c_str());
    while (columns.Fetch()) {
        if (columns.Text(2).value_or("") != schema)
            continue;
        const auto table = bySchemaTable.find(columns.Text(3).value_or(""));
        if (table != bySchemaTable.end())
            table->second->columns.push_back(columns.Text(4).value_or(""));
    }
}

QueryRows OdbcDatabase::Run(const std::string& sql, std::size_t limit) {
    OdbcStatement query(dbc, timeouts.query);
    query.Execute(sql);
    QueryRows result;
    result.columns = query.ColumnNames();
    // Drivers refuse to fetch rows without columns (a table with none).
    while (!result.columns.empty() && query.Fetch()) {
        if (result.rows.size() == limit) {
            result.more = true;
            break;
        }
        std::vector<std::string>& row = result.rows.emplace_back();
        for (std::size_t i = 1; i <= result.columns.size(); ++i)
            row.push_back(query.Text(static_cast<SQLUSMALLINT>(i)).value_or("NULL"));
    }
    return result;
}

} // namespace

std::unique_ptr<Database> OpenOdbc(const std::string& connection, const OdbcTimeouts& timeouts) {
    return std::make_unique<OdbcDatabase>(connection, timeouts);
}
