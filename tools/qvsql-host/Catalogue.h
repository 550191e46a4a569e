#pragma once
// The SQLite database the demo host reads: its tables with their columns, and the rows a
// statement selects.
#include <string>
#include <vector>

struct sqlite3;

struct CatalogueTable {
    std::string name;
    std::vector<std::string> columns;
};

struct QueryRows {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows; // at most the limit asked for
    bool more = false;                          // rows beyond the limit exist
};

class Catalogue {
  public:
    // Throws std::runtime_error when the file is not a readable SQLite database.
    explicit Catalogue(const std::string& path);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // In the order they were created.
    std::vector<CatalogueTable> Tables() const;
    // Throws std::runtime_error with SQLite's message when the statement fails.
    QueryRows Run(const std::string& sql, std::size_t limit) const;

  private:
    sqlite3* db = nullptr;
};
