#pragma once
// Mouse and keys as a person gives them: after every press and release the queue and the
// paints are handled before the next one. A press whose handling opens a nested modal
// window leaves the rest of its verb undone; the next verb, played by the nested loop,
// releases the button first.
#include "platform/backend/HeadlessBackend.h"

#include <cstdint>
#include <string_view>

namespace qvsql {

class ScriptInput {
  public:
    // Called at the start of every verb, with the display that plays it.
    void BeginVerb(backend::HeadlessBackend& display);

    // Each returns false when a nested verb ran meanwhile, so the caller stops.
    bool Click(POINT screen);
    bool DoubleClick(POINT screen);
    bool Move(POINT screen);
    bool Down(POINT screen);
    bool Up(POINT screen);
    void Key(UINT vk, bool shift, int count);
    void Type(std::string_view text);
    bool Wait(DWORD ms);
    // Over an entry of the grid drop-down: move, 100 ms, press and release, 100 ms.
    bool Pick(POINT screen);

  private:
    bool Pumped();
    bool PressAndRelease();
    void ReleaseHeld();

    backend::HeadlessBackend* display = nullptr;
    std::uint64_t verbs = 0;   // verbs begun, nested ones included
    std::uint64_t current = 0; // the verb this call belongs to
    bool held = false;         // a click's press waits for its release
};

} // namespace qvsql
