#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace qvsql::cli {

// The commands of qvsql, one function each, behind one dispatch.
class Commands {
  public:
    // Runs the words after the program name; throws CliError on bad usage or input.
    static void Run(const std::vector<std::string>& words, std::istream& in, std::ostream& out);
    static const char* Usage();
};

} // namespace qvsql::cli
