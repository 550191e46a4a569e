#pragma once
// Why the demo host stops, as its exit status (listed in --help and the man page).
#include <stdexcept>
#include <string>

enum class ExitStatus : int {
    Ok = 0,
    Cancelled = 1,       // the dialog ended without OK
    Usage = 2,           // a bad command line
    ScriptFailed = 3,    // QVSQL_SCRIPT could not be played (ScriptFailureWatch hears it)
    NoDisplay = 4,       // no X display and no script
    NoLibrary = 5,       // libQvSQLBuilder cannot be loaded
    CannotOpen = 6,      // the database file, data source or driver cannot be opened
    Unreachable = 7,     // the database server does not answer
    BadCredentials = 8,  // the server refused the user name or password
    NoTables = 9,        // nothing to offer
    UnknownTable = 10,   // --table names no table of the catalogue
    Rejected = 11,       // the database rejected the statement
    ConnectionLost = 12, // the server went away after the connection was made
    TimedOut = 13,       // connecting or running the statement took too long
};

// A failure the user is told about in one line before the host exits with its status.
class HostError : public std::runtime_error {
  public:
    HostError(ExitStatus status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    ExitStatus Status() const { return status_; }

  private:
    ExitStatus status_;
};
