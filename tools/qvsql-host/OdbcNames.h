#pragma once
// How the demo host speaks of names to an ODBC driver and to the query builder.
#include <string>

// The grouping characters for a driver's SQL_IDENTIFIER_QUOTE_CHAR: the character twice
// ("\"\"" for PostgreSQL, "``" for MySQL), "[]" for a bracket; "[]" also for SQLite, which
// takes brackets, and for a driver that cannot quote (a blank or nothing).
std::string GroupingFromQuoteChar(const std::string& quoteChar, const std::string& dbmsName);

// A name as a catalogue search pattern matches only itself: "_", "%" and the escape
// character are escaped. Without a one-character escape the name is returned as it is.
std::string EscapePattern(const std::string& name, const std::string& escape);

// A connection string as given, or "DSN=" + a bare data source name.
std::string ConnectionString(const std::string& given);
