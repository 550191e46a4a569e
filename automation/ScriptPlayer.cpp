#include "automation/ScriptPlayer.h"

#include "automation/ScriptExpectations.h"
#include "automation/ScriptFiles.h"
#include "automation/ScriptGrid.h"
#include "automation/ScriptWindows.h"

namespace qvsql {

namespace {

using namespace scriptwin;

std::string NoControl(int id) {
    return "no control " + std::to_string(id) + " in the active window";
}

} // namespace

ScriptPlayer::ScriptPlayer(std::vector<ScriptCommand> script, FailureHandler handler)
    : commands(std::move(script)), onFailure(std::move(handler)) {}

bool ScriptPlayer::Step(backend::HeadlessBackend& display) {
    if (failed || next >= commands.size()) {
        return false;
    }
    const ScriptCommand& command = commands[next++];
    input.BeginVerb(display);
    const std::string problem = Play(command, display);
    if (!problem.empty() && !failed) {
        failed = true;
        if (onFailure) {
            onFailure("script:" + std::to_string(command.line) + ": " + problem);
        }
    }
    return !failed && next < commands.size();
}

std::string ScriptPlayer::Play(const ScriptCommand& command, backend::HeadlessBackend& display) {
    const HWND active = ActiveModalWindow();
    if (!active) {
        return "no modal window is open";
    }
    switch (command.verb) {
    case ScriptVerb::Click:
    case ScriptVerb::DblClick:
        return PlayControl(command, active);
    case ScriptVerb::Check:
    case ScriptVerb::Item:
        return PlayList(command, active);
    case ScriptVerb::Choose:
        return PlayChoose(command, active);
    case ScriptVerb::Cell:
    case ScriptVerb::DblCell:
        return PlayCell(command, active);
    case ScriptVerb::Pick:
        return PlayPick(command);
    case ScriptVerb::Key:
        input.Key(static_cast<UINT>(command.numbers[0]), command.numbers[1] != 0,
                  command.numbers[2]);
        return "";
    case ScriptVerb::Type:
        input.Type(command.text);
        return "";
    case ScriptVerb::Wait:
        input.Wait(static_cast<DWORD>(command.numbers[0]));
        return "";
    case ScriptVerb::Move:
    case ScriptVerb::Down:
    case ScriptVerb::Up:
        return PlayRaw(command, active);
    case ScriptVerb::Screenshot:
        return WriteNewScreenshot(display, active, command.text) ? ""
                                                                 : "cannot write " + command.text;
    default:
        return CheckExpectation(command, active);
    }
}

std::string ScriptPlayer::PlayControl(const ScriptCommand& command, HWND active) {
    const HWND control = GetDlgItem(active, command.numbers[0]);
    if (!control) {
        return NoControl(command.numbers[0]);
    }
    const POINT p = CentreOf(control);
    command.verb == ScriptVerb::Click ? input.Click(p) : input.DoubleClick(p);
    return "";
}

std::string ScriptPlayer::PlayList(const ScriptCommand& command, HWND active) {
    const HWND list = GetDlgItem(active, command.numbers[0]);
    if (!list) {
        return NoControl(command.numbers[0]);
    }
    POINT p{};
    if (!EntryPoint(list, command.numbers[1], command.verb == ScriptVerb::Check, p)) {
        return "no item " + std::to_string(command.numbers[1]) + " in list box " +
               std::to_string(command.numbers[0]);
    }
    input.Click(p);
    return "";
}

std::string ScriptPlayer::PlayChoose(const ScriptCommand& command, HWND active) {
    const HWND combo = GetDlgItem(active, command.numbers[0]);
    if (!combo) {
        return NoControl(command.numbers[0]);
    }
    if (!input.Click(CentreOf(combo))) {
        return "";
    }
    const HWND list = DroppedList(combo);
    const std::string where = "combo box " + std::to_string(command.numbers[0]);
    if (!list) {
        return where + " did not open its list";
    }
    POINT p{};
    if (!EntryPoint(list, FindEntry(list, command.text), false, p)) {
        return "no entry " + QuoteForMessage(command.text) + " in " + where;
    }
    input.Click(p);
    return "";
}

std::string ScriptPlayer::PlayCell(const ScriptCommand& command, HWND active) {
    const HWND list = GetDlgItem(active, command.numbers[0]);
    if (!list) {
        return NoControl(command.numbers[0]);
    }
    POINT p{};
    if (!scriptgrid::CellPoint(list, command.numbers[1], command.numbers[2], p)) {
        return "no cell " + std::to_string(command.numbers[1]) + " " +
               std::to_string(command.numbers[2]) + " in list " +
               std::to_string(command.numbers[0]);
    }
    command.verb == ScriptVerb::Cell ? input.Click(p) : input.DoubleClick(p);
    return "";
}

std::string ScriptPlayer::PlayPick(const ScriptCommand& command) {
    const HWND list = GridDropDownList();
    if (!list) {
        return "no grid drop-down is open";
    }
    POINT p{};
    if (!EntryPoint(list, FindEntry(list, command.text), false, p)) {
        return "no entry " + QuoteForMessage(command.text) + " in the grid drop-down";
    }
    input.Pick(p);
    return "";
}

std::string ScriptPlayer::PlayRaw(const ScriptCommand& command, HWND active) {
    const POINT p = ClientToScreenPoint(active, {command.numbers[0], command.numbers[1]});
    if (command.verb == ScriptVerb::Move) {
        input.Move(p);
    } else if (command.verb == ScriptVerb::Down) {
        input.Down(p);
    } else {
        input.Up(p);
    }
    return "";
}

} // namespace qvsql
