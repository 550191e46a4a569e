#pragma once
// The demo host's command line (getopt_long: "--name VALUE" or "--name=VALUE").
#include <chrono>
#include <optional>
#include <string>
#include <vector>

struct HostOptions {
    std::optional<std::string> table;
    std::optional<int> language;
    std::optional<std::string> grouping;
    std::string sql;
    std::string db;   // a SQLite file
    std::string odbc; // a data source name or connection string
    std::string schema;
    std::chrono::seconds connectTimeout{10};
    std::chrono::seconds queryTimeout{30};
    std::size_t maxTables = 10000;
    bool run = true;
    bool whenPrinted = true;
    bool listTables = false;
    bool help = false;
    bool version = false;
};

// Throws std::invalid_argument with a message for the user on a bad command line.
HostOptions ParseHostOptions(const std::vector<std::string>& args);

extern const char* const HostUsage;
