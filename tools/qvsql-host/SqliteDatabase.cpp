#include "SqliteDatabase.h"

#include "HostError.h"

#include <sqlite3.h>

namespace {

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) {
        // A failed prepare leaves no statement behind.
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            Fail(db);
        if (!stmt)
            throw HostError(ExitStatus::Rejected, "the statement is empty");
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Step() {
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            Fail(sqlite3_db_handle(stmt));
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
    [[noreturn]] static void Fail(sqlite3* db) {
        const bool interrupted = sqlite3_errcode(db) == SQLITE_INTERRUPT;
        throw HostError(interrupted ? ExitStatus::TimedOut : ExitStatus::Rejected,
                        interrupted ? "the statement ran past its time-out" : sqlite3_errmsg(db));
    }

    sqlite3_stmt* stmt = nullptr;
};

// Interrupts a statement once its deadline has passed.
int PastDeadline(void* deadline) {
    using Clock = std::chrono::steady_clock;
    return Clock::now() > *static_cast<Clock::time_point*>(deadline);
}

} // namespace

SqliteDatabase::SqliteDatabase(const std::string& path, std::chrono::seconds timeout)
    : queryTimeout(timeout) {
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        db = nullptr;
        throw HostError(ExitStatus::CannotOpen, path + ": " + message);
    }
    deadline = std::chrono::steady_clock::time_point::max();
    sqlite3_progress_handler(db, 10000, PastDeadline, &deadline);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(db);
}

std::vector<CatalogueTable> SqliteDatabase::Tables(const std::string& schema) {
    std::vector<CatalogueTable> tables;
    if (!schema.empty())
        return tables;
    try {
        Statement list(db, "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') AND "
                           "name NOT LIKE 'sqlite_%' ORDER BY rowid");
        while (list.Step())
            tables.push_back({"", list.Text(0), {}});
        for (CatalogueTable& table : tables) {
            Statement columns(db, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
            columns.Bind(1, table.name);
            while (columns.Step())
                table.columns.push_back(columns.Text(0));
        }
    } catch (const HostError& e) {
        // A file that is not a database fails on its first read, not on opening.
        throw HostError(ExitStatus::CannotOpen, e.what());
    }
    return tables;
}

QueryRows SqliteDatabase::Run(const std::string& sql, std::size_t limit) {
    deadline = std::chrono::steady_clock::now() + queryTimeout;
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
