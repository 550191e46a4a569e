#pragma once
// One table of n columns with as many WHERE conditions and sort rows, and the
// statement composed from it: the input every engine benchmark works on.
#include "sql/QuerySnapshot.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qvsql::bench {

class EngineFixture {
  public:
    explicit EngineFixture(int n);

    // Built once per n: the large fixtures take longer to make than to measure.
    static const EngineFixture& For(int n);

    const std::vector<std::string>& Names() const { return names; }
    const QuerySnapshot& Snapshot() const { return snapshot; }
    const std::string& Statement() const { return statement; }
    std::size_t NameBytes() const { return nameBytes; }

  private:
    std::vector<std::string> names;
    std::size_t nameBytes = 0;
    QuerySnapshot snapshot;
    std::string statement;
};

} // namespace qvsql::bench
