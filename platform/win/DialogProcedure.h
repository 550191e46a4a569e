#pragma once
// The window procedure of dialogs (DefDlgProcA): the DLGPROC first, then the dialog
// manager's own answers, then the default window procedure.
#include "platform/win/WinUser.h"

namespace win {

class DialogProcedure {
  public:
    static constexpr const char* ClassName = "#32770";
    static bool Register();
    static LRESULT Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    // The DLGPROC's messages whose answer is its return value, not DWLP_MSGRESULT.
    static bool AnswersDirectly(UINT msg);
    static LRESULT Default(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT Erase(HWND dialog, HDC hdc);
    static LRESULT Activate(HWND dialog, WPARAM wParam);
    static LRESULT NextControl(HWND dialog, WPARAM wParam, LPARAM lParam);
    static LRESULT Close(HWND dialog);
};

} // namespace win
