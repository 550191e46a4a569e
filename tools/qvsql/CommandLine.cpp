#include "tools/qvsql/CommandLine.h"

#include "tools/qvsql/CliError.h"

namespace qvsql::cli {

CommandLine CommandLine::Parse(const std::vector<std::string>& words,
                               const std::set<std::string>& allowedOptions) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word.compare(0, 2, "--") != 0) {
            line.positionals_.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else {
            std::string name = word.substr(2);
            if (allowedOptions.count(name) == 0)
                throw UsageError("unknown option " + word);
            if (i + 1 >= words.size())
                throw UsageError("option " + word + " needs a value");
            line.options_[name] = words[++i];
        }
    }
    return line;
}

std::optional<std::string> CommandLine::Option(const std::string& name) const {
    auto it = options_.find(name);
    if (it == options_.end())
        return std::nullopt;
    return it->second;
}

void CommandLine::ExpectPositionals(std::size_t min, std::size_t max) const {
    if (positionals_.size() < min)
        throw UsageError("missing argument");
    if (positionals_.size() > max)
        throw UsageError("unexpected argument " + positionals_[max]);
}

} // namespace qvsql::cli
