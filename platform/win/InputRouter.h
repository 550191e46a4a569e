#pragma once
// Turns raw input into window messages the way a display does: capture first, then
// hit-testing (disabled children pass to their parent, disabled top-level windows get
// nothing), click activation, cursor requests, double clicks, and the keyboard focus.
#include "platform/win/WindowSystem.h"

#include <array>

namespace win {

struct TimedInput {
    InputEvent event;
    DWORD time = 0;
};

class InputRouter {
  public:
    static InputRouter& Get();

    // False when the event reaches no window (or is eaten by activation).
    bool Route(const TimedInput& input, MSG* msg);
    short KeyState(int vk) const;
    // Deepest window for a screen point; HTTRANSPARENT windows are looked through.
    static HWND HitWindow(POINT screen, LRESULT* hit);

  private:
    bool RouteMouse(const TimedInput& input, MSG* msg);
    bool RouteKey(const TimedInput& input, MSG* msg);
    void TrackButtons(const InputEvent& e);
    WPARAM MouseFlags() const;
    UINT DoubleClick(UINT down, HWND hwnd, const TimedInput& input, bool client);

    std::array<BYTE, 256> keys{};
    struct Click {
        UINT message = 0;
        HWND hwnd = nullptr;
        DWORD time = 0;
        POINT pt{};
    } lastClick;
};

} // namespace win
