#pragma once
// Keyboard focus, activation of top-level windows and mouse capture, with the classic
// message sequences: WM_NCACTIVATE and WM_ACTIVATE to the window losing activation, then to
// the one gaining it; WM_KILLFOCUS then WM_SETFOCUS; WM_CAPTURECHANGED to the loser.
#include "platform/win/Window.h"

namespace win {

class FocusManager {
  public:
    static HWND SetFocus(HWND hwnd);
    // Makes top the active window (null: none); false when it cannot be activated.
    static bool Activate(Window* top, WORD how);
    // After leaving stops being active: its owner, else the frontmost other window that can.
    static void ActivateNext(Window* leaving);
    // WM_MOUSEACTIVATE for a press on a window of an inactive top-level window; false when
    // the press is eaten.
    static bool ClickActivate(HWND hwnd, LRESULT hit, UINT message);
    static HWND SetCapture(HWND hwnd);
    static bool ReleaseCapture();
    // Focus, capture and activation leave a window about to be destroyed or disabled.
    static void Release(Window* w, bool destroying);

  private:
    static bool CanActivate(const Window* w);
};

} // namespace win
