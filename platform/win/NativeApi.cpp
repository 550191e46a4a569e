// What a display tells the window system about changes it made itself.
#include "platform/win/FocusManager.h"
#include "platform/win/WindowManager.h"
#include "platform/win/WindowSystem.h"

namespace win {

void NativeMoved(HWND hwnd, POINT topLeft) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w || w->IsChild() || w->destroying) {
        return;
    }
    const RECT next = WindowManager::MakeRect(topLeft.x, topLeft.y, w->Width(), w->Height());
    if (next.left == w->rect.left && next.top == w->rect.top) {
        return;
    }
    w->rect = next;
    WINDOWPOS pos{hwnd,
                  nullptr,
                  next.left,
                  next.top,
                  w->Width(),
                  w->Height(),
                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE};
    wm.Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void NativeActivated(HWND hwnd, bool active) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w || w->IsChild()) {
        return;
    }
    if (active && wm.active != hwnd && WindowManager::IsShown(w)) {
        FocusManager::Activate(w, WA_ACTIVE);
    } else if (!active && wm.active == hwnd) {
        FocusManager::Activate(nullptr, WA_INACTIVE);
    }
}

} // namespace win
