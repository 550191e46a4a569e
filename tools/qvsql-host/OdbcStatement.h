#pragma once
// One statement on an ODBC connection: a catalogue read or a query, its rows read as text.
#include "OdbcHandle.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class OdbcStatement {
  public:
    // Every call on the statement gives up after the time-out.
    OdbcStatement(const OdbcHandle& connection, std::chrono::seconds timeout);

    // Catalogue reads: tables of the given types, columns of every table. A null schema
    // pattern reads every schema. Throw HostError (CannotOpen, ConnectionLost, TimedOut).
    void Tables(const char* schemaPattern, const char* types);
    void Columns(const char* schemaPattern);
    // Throws HostError (Rejected, ConnectionLost, TimedOut).
    void Execute(const std::string& sql);

    std::vector<std::string> ColumnNames();
    // False after the last row. Throws HostError as the call that made the rows.
    bool Fetch();
    // The value of column 1.. of the current row as text; nothing for NULL.
    std::optional<std::string> Text(SQLUSMALLINT column);

  private:
    void Check(SQLRETURN rc);

    OdbcHandle stmt;
    bool catalogue = false;
};
