#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qvsql::cli {

// The words after the command: "--name VALUE" or "--name=VALUE" options (getopt_long, so
// they may stand anywhere) and positional arguments.
// A bare "--" ends the options, so a positional argument may itself begin with "--".
class CommandLine {
  public:
    static CommandLine Parse(const std::vector<std::string>& words,
                             const std::set<std::string>& allowedOptions);

    std::optional<std::string> Option(const std::string& name) const;
    const std::vector<std::string>& Positionals() const { return positionals; }
    // Throws a usage error unless there are between min and max positional arguments.
    void ExpectPositionals(std::size_t min, std::size_t max) const;

  private:
    std::map<std::string, std::string> options;
    std::vector<std::string> positionals;
};

} // namespace qvsql::cli
