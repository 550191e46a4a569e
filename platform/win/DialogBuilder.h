#pragma once
// Making a dialog window from a template: its font and dialog units, its frame centred over
// the owner, its controls in template order, WM_INITDIALOG and the first focus.
#include "platform/win/WinDialogs.h"

namespace win {

class DialogBuilder {
  public:
    // Null when the owner, the window or a control cannot be made (a failed control is
    // skipped under DS_NOFAILCREATE). honourVisible: show it when the template says WS_VISIBLE.
    static HWND Build(HINSTANCE instance, const DialogTemplate& tpl, HWND owner, DLGPROC proc,
                      LPARAM param, bool honourVisible);

  private:
    // Null for the system font: no DS_SETFONT, no face or no point size.
    static HFONT MakeFont(const DialogTemplate& tpl);
    static HWND MakeWindow(HINSTANCE instance, const DialogTemplate& tpl, HWND owner, SIZE units);
    static RECT Placement(const DialogTemplate& tpl, HWND owner, SIZE units);
    static bool MakeControls(HWND dialog, HINSTANCE instance, const DialogTemplate& tpl);
    static int TemplateDefaultId(const DialogTemplate& tpl);
    static void Initialise(HWND dialog, LPARAM param);
};

} // namespace win
