#pragma once
// The expect verbs: each reads what the active window shows and compares.
#include "automation/ScriptCommand.h"
#include "platform/win/WinUser.h"

#include <string>

namespace qvsql {

// "" when the expectation holds, else "expected ..., found ...".
std::string CheckExpectation(const ScriptCommand& command, HWND active);
// Text in double quotes with the script's escapes, so a message stays on one line.
std::string QuoteForMessage(const std::string& text);

} // namespace qvsql
