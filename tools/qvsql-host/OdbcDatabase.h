#pragma once
// A database reached through unixODBC: a data source name or a driver connection string.
#include "Database.h"

#include <chrono>
#include <memory>

struct OdbcTimeouts {
    std::chrono::seconds connect;
    std::chrono::seconds query; // every statement, the catalogue reads included
};

// Throws HostError (CannotOpen, Unreachable, BadCredentials, TimedOut) when no connection can
// be made, and CannotOpen when the host was built without ODBC.
std::unique_ptr<Database> OpenOdbc(const std::string& connection, const OdbcTimeouts& timeouts);
