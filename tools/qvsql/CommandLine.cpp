#include "tools/qvsql/CommandLine.h"

#include "tools/qvsql/CliError.h"

#include <getopt.h>

namespace qvsql::cli {

namespace {

// getopt_long's table for "--name VALUE" and "--name=VALUE"; val is the index into names.
std::vector<option> OptionTable(const std::vector<std::string>& names) {
    std::vector<option> table;
    for (std::size_t i = 0; i < names.size(); ++i) {
        table.push_back({names[i].c_str(), required_argument, nullptr, static_cast<int>(i)});
    }
    table.push_back({nullptr, 0, nullptr, 0});
    return table;
}

std::string Spelled(const std::string& word) {
    return word.substr(0, word.find('='));
}

} // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& words,
                               const std::set<std::string>& allowedOptions) {
    const std::vector<std::string> names(allowedOptions.begin(), allowedOptions.end());
    const std::vector<option> table = OptionTable(names);
    std::vector<std::string> copies{"qvsql"};
    copies.insert(copies.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& word : copies) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    CommandLine line;
    optind = 0; // starts getopt_long afresh
    opterr = 0; // its messages are ours to write
    const int argc = static_cast<int>(copies.size());
    for (int got; (got = getopt_long(argc, argv.data(), ":", table.data(), nullptr)) != -1;) {
        const std::string word = Spelled(argv[optind - 1]);
        if (got == ':') {
            throw UsageError("option " + word + " needs a value");
        }
        if (got == '?') {
            throw UsageError("unknown option " + word);
        }
        line.options[names[got]] = optarg;
    }
    for (int i = optind; i < argc; ++i) {
        line.positionals.emplace_back(argv[i]);
    }
    return line;
}
std::optional<std::string> CommandLine::Option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

void CommandLine::ExpectPositionals(std::size_t min, std::size_t max) const {
    if (positionals.size() < min) {
        throw UsageError("missing argument");
    }
    if (positionals.size() > max) {
        throw UsageError("unexpected argument " + positionals[max]);
    }
}

} // namespace qvsql::cli
