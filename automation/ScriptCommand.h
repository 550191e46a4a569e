#pragma once
// One line of a script after parsing: the verb and its arguments, already checked.
#include <string>
#include <vector>

namespace qvsql {

enum class ScriptVerb {
    Click,
    DblClick,
    Check,
    Item,
    Choose,
    Cell,
    DblCell,
    Pick,
    Key,
    Type,
    Move,
    Down,
    Up,
    Wait,
    ExpectPreview,
    ExpectText,
    ExpectCell,
    ExpectChecked,
    ExpectMessage,
    ExpectTitle,
    Screenshot,
};

struct ScriptCommand {
    int line = 0;
    ScriptVerb verb = ScriptVerb::Wait;
    // Integers in the order written; for key: virtual key, shift (0 or 1), count.
    std::vector<int> numbers;
    // The quoted text, or the screenshot path.
    std::string text;
};

} // namespace qvsql
