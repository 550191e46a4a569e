// Names into QuoteIdentifier.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "sql/IdentifierQuoter.h"
#include "sql/TextOps.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using qvsql::fuzz::Require;

// Blank or apostrophe grouping characters are trimmed or removed by the rule itself,
// so quoting twice may differ; any other pair must be stable.
bool StablePair(qvsql::GroupingChars grouping) {
    const auto usable = [](char c) {
        return std::isgraph(static_cast<unsigned char>(c)) != 0 && c != '\'';
    };
    return usable(grouping.open) && usable(grouping.close);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view name = qvsql::fuzz::AsText(data, size);
    const qvsql::GroupingChars grouping = qvsql::fuzz::TakeOptions(name).grouping;

    const std::string quoted = qvsql::QuoteIdentifier(name, grouping);
    Require(quoted.find('\'') == std::string::npos, "apostrophe left in a quoted name");
    Require(quoted.size() <= name.size() + 2, "quoting added more than one pair");
    if (qvsql::Trim(name).empty())
        Require(quoted.empty(), "blank name did not quote to nothing");
    if (StablePair(grouping))
        Require(qvsql::QuoteIdentifier(quoted, grouping) == quoted, "quoting is not idempotent");
    return 0;
}
