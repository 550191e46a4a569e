#pragma once
// The demo host's command line.
#include <optional>
#include <string>
#include <vector>

struct HostOptions {
    std::optional<std::string> table;
    std::optional<int> language;
    std::optional<std::string> grouping;
    std::string sql;
    std::string db;
    bool run = true;
    bool whenPrinted = true;
    bool help = false;
};

// Throws std::invalid_argument with a message for the user on a bad command line.
HostOptions ParseHostOptions(const std::vector<std::string>& args);

extern const char* const HostUsage;
