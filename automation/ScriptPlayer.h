#pragma once
// Plays a parsed script into the active modal window, one verb per turn of the modal loop.
// The line advances before a verb acts: a verb that opens a nested modal window ends there,
// and the nested loop plays the next lines by calling Step again.
#include "automation/ScriptCommand.h"
#include "automation/ScriptInput.h"
#include "platform/backend/HeadlessBackend.h"

#include <functional>
#include <string>
#include <vector>

namespace qvsql {

class ScriptPlayer {
  public:
    // Told "script:LINE: ..." once, when a verb fails; nothing more plays after it.
    using FailureHandler = std::function<void(const std::string&)>;

    ScriptPlayer(std::vector<ScriptCommand> commands, FailureHandler onFailure);

    // Plays the next verb; false once nothing more follows (or a verb failed).
    bool Step(backend::HeadlessBackend& display);
    bool Failed() const { return failed; }

  private:
    // Each answers "" or what went wrong.
    std::string Play(const ScriptCommand& command, backend::HeadlessBackend& display);
    std::string PlayControl(const ScriptCommand& command, HWND active);
    std::string PlayList(const ScriptCommand& command, HWND active);
    std::string PlayChoose(const ScriptCommand& command, HWND active);
    std::string PlayCell(const ScriptCommand& command, HWND active);
    std::string PlayPick(const ScriptCommand& command);
    std::string PlayRaw(const ScriptCommand& command, HWND active);

    std::vector<ScriptCommand> commands;
    std::size_t next = 0;
    FailureHandler onFailure;
    ScriptInput input;
    bool failed = false;
};

} // namespace qvsql
