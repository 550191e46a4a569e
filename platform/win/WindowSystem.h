#pragma once
// The window system's face towards backends, the framework and tests: installing the
// backend, feeding it raw input, pumping messages and reading top-level surfaces.
#include "platform/gfx/Surface.h"
#include "platform/win/Backend.h"
#include "platform/win/WinUser.h"

#include <functional>
#include <memory>
#include <vector>

namespace win {

enum class InputKind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char };
enum class MouseButton { Left, Right, Middle };

// Raw input as a display reports it; it is routed to a window (capture, hit-testing, focus,
// activation) only when the queue reaches it. Positions are screen pixels.
struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    POINT pt{};
    MouseButton button = MouseButton::Left;
    UINT key = 0;
    int wheelDelta = 0;
    char ch = 0;
};

// Replaces the backend; null restores the default one (no display, no input).
void SetBackend(std::unique_ptr<Backend> backend);
Backend& GetBackend();

// Stamps the event with the backend's clock and queues it; moves the cursor at once.
void QueueInput(const InputEvent& event);

// Sees every message taken from the queue by a loop of this system before it is translated
// and dispatched; true means it was handled and goes no further.
using PreTranslateHook = std::function<bool(MSG&)>;
void SetPreTranslateHook(PreTranslateHook hook);
// Called with each new window after its handle exists and before WM_NCCREATE, so that a
// framework can attach its object and see every message of the window.
using CreationHook = std::function<void(HWND)>;
void SetCreationHook(CreationHook hook);

// Offers msg to the hook, then translates and dispatches it.
void ProcessMessage(MSG& msg);
// Processes every message, input event, paint and due timer waiting now; presents the result.
void PumpMessages();
// Earliest due time of a timer, if any.
bool NextTimerDue(DWORD* due);

// A display moved a top-level window itself (a window manager did): the window takes the new
// screen position of its top-left corner, and the display is not asked to move it again.
void NativeMoved(HWND hwnd, POINT topLeft);
// A display gave the keyboard to a top-level window, or took it away to another application.
void NativeActivated(HWND hwnd, bool active);

// Top-level windows front to back, visible or not.
std::vector<HWND> TopLevelWindows();
// The pixels of a top-level window, frame included; null for anything else.
const gfx::Surface* WindowSurface(HWND hwnd);

} // namespace win
