#pragma once
// Script text to commands. Every line is checked before anything plays, so a typing error in
// the last line never leaves a half-played run behind.
#include "automation/ScriptCommand.h"

#include <string>
#include <string_view>
#include <vector>

namespace qvsql {

// Bounds of the numbers a script may give (docs/scripting.md says the same).
inline constexpr int MaxScriptIndex = 1000000;    // items, rows, columns
inline constexpr int MaxScriptCount = 1000;       // repeats of a key
inline constexpr int MaxScriptCoordinate = 10000; // client pixels of move, down and up
inline constexpr int MaxScriptWaitMs = 60000;     // one wait
inline constexpr std::size_t MaxScriptBytes = 1 << 20;

struct ParsedScript {
    std::vector<ScriptCommand> commands;
    int errorLine = 0; // 0: no error
    std::string error;
};

ParsedScript ParseScript(std::string_view source);

// The virtual key of a key name ("RETURN", "F2", "A", "7"), or 0 for an unknown name.
unsigned KeyCodeOf(std::string_view name);

} // namespace qvsql
