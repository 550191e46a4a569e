#pragma once
// A database the demo host offers to the query builder: its tables with their columns, the
// characters that quote its names, and the rows a statement selects.
#include <string>
#include <vector>

struct CatalogueTable {
    std::string schema; // empty where the database has no schemas
    std::string name;
    std::vector<std::string> columns;
};

struct QueryRows {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows; // at most the limit asked for
    bool more = false;                          // rows beyond the limit exist
};

class Database {
  public:
    virtual ~Database() = default;
    // Tables and views in the database's own order, of one schema unless schema is empty.
    // Throws HostError.
    virtual std::vector<CatalogueTable> Tables(const std::string& schema) = 0;
    // The grouping characters that suit the database's names, e.g. "[]" or "\"\"".
    virtual std::string GroupingChars() = 0;
    // Throws HostError (Rejected, ConnectionLost, TimedOut) when the statement fails.
    virtual QueryRows Run(const std::string& sql, std::size_t limit) = 0;
};
