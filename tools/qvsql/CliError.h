#pragma once
#include <stdexcept>
#include <string>

namespace qvsql::cli {

// Bad usage or bad input: reported on standard error, exit status 2.
class CliError : public std::runtime_error {
  public:
    CliError(const std::string& message, bool isUsage)
        : std::runtime_error(message), usage(isUsage) {}
    bool IsUsage() const { return usage; }

  private:
    bool usage;
};

inline CliError UsageError(const std::string& message) {
    return CliError(message, true);
}
inline CliError InputError(const std::string& message) {
    return CliError(message, false);
}

} // namespace qvsql::cli
