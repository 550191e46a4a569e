#pragma once
#include <string>
#include <vector>

namespace qvsql::test {

struct ProcessResult {
    int status = -1; // exit status, or -1 when the child did not exit normally
    std::string out;
    std::string err;
};

// Runs a program with the given arguments (no shell), feeds it stdin and collects
// stdout and stderr until it exits.
class ChildProcess {
  public:
    static ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input);
};

} // namespace qvsql::test
