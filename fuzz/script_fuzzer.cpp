// Script text into the parser: it never crashes, and what it reports points into the text.
#include "automation/ScriptParser.h"
#include "fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using qvsql::fuzz::Require;

int LineCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qvsql::ParsedScript parsed = qvsql::ParseScript(text);
    const int lines = LineCount(text);
    if (parsed.errorLine != 0) {
        Require(parsed.errorLine >= 1 && parsed.errorLine <= lines, "error outside the text");
        Require(!parsed.error.empty(), "error line without a message");
        return 0;
    }
    int previous = 0;
    for (const qvsql::ScriptCommand& command : parsed.commands) {
        Require(command.line > previous && command.line <= lines, "command lines out of order");
        previous = command.line;
    }
    return 0;
}
