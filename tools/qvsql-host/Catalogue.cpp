#include "Catalogue.h"

#include <sqlite3.h>
#include <stdexcept>

namespace {

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) {
        // A failed prepare leaves no statement behind.
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        if (!stmt)
            throw std::runtime_error("the statement is empty");
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Step() {
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(stmt)));
        return rc == SQLITE_ROW;
    }
    int Columns() const { return sqlite3_column_count(stmt); }
    std::string Name(int i) const {
        const char* name = sqlite3_column_name(stmt, i);
        return name ? name : "";
    }
    std::string Text(int i) const {
        const auto* text = sqlite3_column_text(stmt, i);
        return text ? reinterpret_cast<const char*>(text) : "NULL";
    }
    void Bind(int i, const std::string& value) {
        sqlite3_bind_text(stmt, i, value.c_str(), -1, SQLITE_TRANSIENT);
    }

  private:
    sqlite3_stmt* stmt = nullptr;
};

} // namespace

Catalogue::Catalogue(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        db = nullptr;
        throw std::runtime_error(path + ": " + message);
    }
}

Catalogue::~Catalogue() {
    sqlite3_close(db);
}

std::vector<CatalogueTable> Catalogue::Tables() const {
    std::vector<CatalogueTable> tables;
    Statement list(db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE "
                       "'sqlite_%' ORDER BY rowid");
    while (list.Step())
        tables.push_back({list.Text(0), {}});
    for (CatalogueTable& table : tables) {
        Statement columns(db, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
        columns.Bind(1, table.name);
        while (columns.Step())
            table.columns.push_back(columns.Text(0));
    }
    return tables;
}

QueryRows Catalogue::Run(const std::string& sql, std::size_t limit) const {
    Statement query(db, sql);
    QueryRows result;
    for (int i = 0; i < query.Columns(); ++i)
        result.columns.push_back(query.Name(i));
    while (query.Step()) {
        if (result.rows.size() == limit) {
            result.more = true;
            break;
        }
        std::vector<std::string>& row = result.rows.emplace_back();
        for (int i = 0; i < query.Columns(); ++i)
            row.push_back(query.Text(i));
    }
    return result;
}
