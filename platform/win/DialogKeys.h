#pragma once
// The keyboard interface of dialogs: what IsDialogMessageA does with a message that belongs
// to a dialog or one of its descendants.
#include "platform/win/WinUser.h"

namespace win {

class DialogKeys {
  public:
    // False when msg is not the dialog's; otherwise it has been handled.
    static bool Process(HWND dialog, MSG& msg);

  private:
    // True when the dialog took the key from the control.
    static bool KeyDown(HWND dialog, const MSG& msg);
    static void Enter(HWND dialog, HWND focus, LRESULT code);
    static void Escape(HWND dialog);
};

} // namespace win
