#include "HostOptions.h"

#include <getopt.h>
#include <limits>
#include <stdexcept>

const char* const HostUsage = R"(usage: qvsql-host [OPTION]...
Shows the query builder on the tables of a database (the bundled SQLite sample unless
--db or --odbc names another), prints the statement chosen with OK and the first 20 rows
it selects. Options take their value as the next word or after "=" (--table=Customers).

Database:
  --db=FILE             a SQLite database file
  --odbc=CONNECTION     an ODBC data source: "DSN=NAME" (or just NAME) or a driver
                        connection string such as "Driver=PostgreSQL Unicode;
                        Servername=HOST;Database=DB;Username=USER;Password=SECRET"
  --schema=NAME         offer only the tables of this schema
  --connect-timeout=S   give up connecting after S seconds (default 10)
  --query-timeout=S     give up on a statement after S seconds (default 30)
  --max-tables=N        offer at most N tables, 0 for all (default 10000)
The dialog:
  --table=NAME          the table to open on, as --list-tables names it
  --sql=STATEMENT       a statement to read back into the dialog
  --language=N          interface language: 0 English (default), 1 French, 4 German,
                        ... 22 (language files beside the executable)
  --grouping=CHARS      the characters that enclose names needing quotes (default: "[]"
                        for SQLite, else the ODBC driver's quote character twice)
  --no-when-printed     offer no When Printed choices
Output:
  --no-run              print the statement only, do not run it
  --list-tables         print the tables the host offers, one a line, and exit
  --help                print this help and exit
  --version             print the version and exit

Tables in a schema are offered as SCHEMA.TABLE and written schema-qualified; names
holding control characters are left out with a note on standard error.

Environment:
  DISPLAY               the X display the dialog opens on
  QVSQL_BACKEND         x11 or headless: where the dialog's windows go
  QVSQL_SCRIPT          a file of scripted input played into the dialog (headless)
  QVSQL_SCALE           1, 2 or 3: the size factor of the dialog on screen

Exit status:
  0   a statement was chosen (and ran)      7   the server cannot be reached
  1   cancelled: no statement               8   the server refused the credentials
  2   bad command line                      9   the database has no tables to offer
  3   the script failed (QVSQL_SCRIPT)     10   --table names no table offered
  4   no display and no script             11   the database rejected the statement
  5   the library cannot be loaded         12   the connection was lost
  6   the database, data source or driver  13   connecting or the statement took
      cannot be opened                          longer than its time-out
)";

namespace {

enum OptionId {
    Table = 1000,
    Language,
    Grouping,
    Sql,
    Db,
    Odbc,
    Schema,
    ConnectTimeout,
    QueryTimeout,
    MaxTables,
    NoRun,
    NoWhenPrinted,
    ListTables,
    Help,
    Version
};

constexpr option Options[] = {
    {"table", required_argument, nullptr, Table},
    {"language", required_argument, nullptr, Language},
    {"grouping", required_argument, nullptr, Grouping},
    {"sql", required_argument, nullptr, Sql},
    {"db", required_argument, nullptr, Db},
    {"odbc", required_argument, nullptr, Odbc},
    {"schema", required_argument, nullptr, Schema},
    {"connect-timeout", required_argument, nullptr, ConnectTimeout},
    {"query-timeout", required_argument, nullptr, QueryTimeout},
    {"max-tables", required_argument, nullptr, MaxTables},
    {"no-run", no_argument, nullptr, NoRun},
    {"no-when-printed", no_argument, nullptr, NoWhenPrinted},
    {"list-tables", no_argument, nullptr, ListTables},
    {"help", no_argument, nullptr, Help},
    {"version", no_argument, nullptr, Version},
    {nullptr, 0, nullptr, 0},
};

long long ParseNumber(const std::string& option, const std::string& text, long long low,
                      long long high) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw std::invalid_argument("--" + option + " takes a number from " + std::to_string(low) +
                                    " to " + std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

void Apply(HostOptions& options, int id, const std::string& value) {
    switch (id) {
    case Table:
        options.table = value;
        break;
    case Language:
        options.language = static_cast<int>(ParseNumber("language", value, -1000000, 1000000));
        break;
    case Grouping:
        options.grouping = value;
        break;
    case Sql:
        options.sql = value;
        break;
    case Db:
        options.db = value;
        break;
    case Odbc:
        options.odbc = value;
        break;
    case Schema:
        options.schema = value;
        break;
    case ConnectTimeout:
        options.connectTimeout =
            std::chrono::seconds(ParseNumber("connect-timeout", value, 1, 3600));
        break;
    case QueryTimeout:
        options.queryTimeout = std::chrono::seconds(ParseNumber("query-timeout", value, 1, 86400));
        break;
    case MaxTables:
        options.maxTables = static_cast<std::size_t>(ParseNumber("max-tables", value, 0, 10000000));
        break;
    case NoRun:
        options.run = false;
        break;
    case NoWhenPrinted:
        options.whenPrinted = false;
        break;
    case ListTables:
        options.listTables = true;
        break;
    case Help:
        options.help = true;
        break;
    case Version:
        options.version = true;
        break;
    }
}

std::string Spelled(const char* word) {
    const std::string text = word;
    return text.substr(0, text.find('='));
}

} // namespace

HostOptions ParseHostOptions(const std::vector<std::string>& args) {
    std::vector<std::string> copies{"qvsql-host"};
    copies.insert(copies.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : copies)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    HostOptions options;
    optind = 0; // starts getopt_long afresh
    opterr = 0; // its messages are ours to write
    const int argc = static_cast<int>(copies.size());
    for (int id; (id = getopt_long(argc, argv.data(), ":h", Options, nullptr)) != -1;) {
        if (id == ':')
            throw std::invalid_argument(Spelled(argv[optind - 1]) + " needs a value");
        if (id == '?' && optopt != 0)
            throw std::invalid_argument(std::string("unknown option -") +
                                        static_cast<char>(optopt));
        if (id == '?')
            throw std::invalid_argument("unknown option " + Spelled(argv[optind - 1]));
        Apply(options, id == 'h' ? Help : id, optarg ? optarg : "");
    }
    if (optind < argc)
        throw std::invalid_argument("unexpected argument " + std::string(argv[optind]));
    if (!options.db.empty() && !options.odbc.empty())
        throw std::invalid_argument("--db and --odbc cannot go together");
    return options;
}
