#pragma once
// Cuts one script line into words and double-quoted strings; '#' outside a string starts a
// comment.
#include <string>
#include <string_view>
#include <vector>

namespace qvsql {

struct ScriptToken {
    std::string text;
    bool quoted = false;
};

// False with a reason in error for an unterminated string or an unknown escape.
bool SplitScriptLine(std::string_view line, std::vector<ScriptToken>& tokens, std::string& error);

} // namespace qvsql
