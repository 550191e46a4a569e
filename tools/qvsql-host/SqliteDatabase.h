#pragma once
// A SQLite database file, read directly: the demo host's embedded default.
#include "Database.h"

#include <chrono>

struct sqlite3;

class SqliteDatabase : public Database {
  public:
    // Throws HostError (CannotOpen) when the file is not a readable SQLite database.
    SqliteDatabase(const std::string& path, std::chrono::seconds queryTimeout);
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // In the order they were created; SQLite has no schemas, so a schema finds nothing.
    std::vector<CatalogueTable> Tables(const std::string& schema) override;
    std::string GroupingChars() override { return "[]"; }
    QueryRows Run(const std::string& sql, std::size_t limit) override;

  private:
    sqlite3* db = nullptr;
    std::chrono::seconds queryTimeout;
    std::chrono::steady_clock::time_point deadline;
};
