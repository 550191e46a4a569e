#include "automation/ScriptInput.h"

namespace qvsql {

namespace {

constexpr DWORD PickSettle = 100;

} // namespace

void ScriptInput::BeginVerb(backend::HeadlessBackend& d) {
    display = &d;
    ReleaseHeld();
    display->Pump();
    current = ++verbs;
}

// What a person lets go of when a window pops up under the pressed button.
void ScriptInput::ReleaseHeld() {
    if (held) {
        held = false;
        display->ButtonUp();
    }
}

// Handles what the last input caused; a nested modal loop may play further verbs inside.
bool ScriptInput::Pumped() {
    const std::uint64_t mine = current;
    display->Pump();
    current = mine;
    return verbs == mine;
}

bool ScriptInput::PressAndRelease() {
    held = true;
    display->ButtonDown();
    if (!Pumped()) {
        return false;
    }
    held = false;
    display->ButtonUp();
    return Pumped();
}

bool ScriptInput::Click(POINT p) {
    return Move(p) && PressAndRelease();
}

bool ScriptInput::DoubleClick(POINT p) {
    return Click(p) && PressAndRelease();
}

bool ScriptInput::Move(POINT p) {
    display->MoveMouse(p.x, p.y);
    return Pumped();
}

bool ScriptInput::Down(POINT p) {
    if (!Move(p)) {
        return false;
    }
    display->ButtonDown();
    return Pumped();
}

bool ScriptInput::Up(POINT p) {
    if (!Move(p)) {
        return false;
    }
    display->ButtonUp();
    return Pumped();
}

// Keys and characters are left to the modal loop that called the step, so that a loop's own
// key filter (the message box's) sees them as it would a person's typing.
void ScriptInput::Key(UINT vk, bool shift, int count) {
    for (int i = 0; i < count; ++i) {
        if (shift) {
            display->KeyDown(VK_SHIFT);
        }
        display->Key(vk);
        if (shift) {
            display->KeyUp(VK_SHIFT);
        }
    }
}

void ScriptInput::Type(std::string_view text) {
    display->TypeText(text);
}

bool ScriptInput::Wait(DWORD ms) {
    const std::uint64_t mine = current;
    display->AdvanceClock(ms);
    current = mine;
    return verbs == mine;
}

bool ScriptInput::Pick(POINT p) {
    return Move(p) && Wait(PickSettle) && PressAndRelease() && Wait(PickSettle);
}

} // namespace qvsql
