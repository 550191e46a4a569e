#include "HostOptions.h"

#include <stdexcept>

const char* const HostUsage =
    "usage: qvsql-host [--table T] [--language N] [--grouping GC] [--sql S] [--db FILE]\n"
    "                  [--no-run] [--no-when-printed]\n"
    "Shows the query builder on the tables of a SQLite database (the bundled sample by\n"
    "default), prints the statement chosen with OK and the first 20 rows it selects.\n";

namespace {

int ParseLanguage(const std::string& text) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size())
        throw std::invalid_argument("--language takes a number, not \"" + text + "\"");
    return value;
}

} // namespace

HostOptions ParseHostOptions(const std::vector<std::string>& args) {
    HostOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--table")
            options.table = value();
        else if (arg == "--language")
            options.language = ParseLanguage(value());
        else if (arg == "--grouping")
            options.grouping = value();
        else if (arg == "--sql")
            options.sql = value();
        else if (arg == "--db")
            options.db = value();
        else if (arg == "--no-run")
            options.run = false;
        else if (arg == "--no-when-printed")
            options.whenPrinted = false;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else
            throw std::invalid_argument("unknown argument " + arg);
    }
    return options;
}
