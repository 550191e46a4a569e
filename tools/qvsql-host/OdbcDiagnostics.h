#pragma once
// What an ODBC driver says when something fails: its diagnostic records, made into one line
// for the user and sorted into the demo host's exit statuses.
#include "HostError.h"

#include <string>
#include <vector>

struct OdbcDiagnostic {
    std::string state; // the five-character SQLSTATE
    std::string message;
};

// The records in one line: line breaks, tabs and other control characters become blanks,
// repeated records are dropped, the first SQLSTATE is named at the end.
std::string FlattenDiagnostics(const std::vector<OdbcDiagnostic>& records);

// Why a connection could not be made: CannotOpen, Unreachable, BadCredentials or TimedOut.
ExitStatus ClassifyConnectFailure(const std::vector<OdbcDiagnostic>& records);

// Why a statement failed: TimedOut, ConnectionLost, or else Rejected.
ExitStatus ClassifyStatementFailure(const std::vector<OdbcDiagnostic>& records);
