#pragma once
// Moving the focus inside a dialog: tab order, groups, the first control to focus, and the
// default-button look that follows the focus.
#include "platform/win/WinUser.h"

#include <vector>

namespace win {

class DialogNavigator {
  public:
    static HWND NextTabItem(HWND dialog, HWND from, bool previous);
    static HWND NextGroupItem(HWND dialog, HWND from, bool previous);
    // The first tab stop, else the first enabled visible control.
    static HWND FirstFocus(HWND dialog);
    // Focuses target; an edit gets its text selected.
    static void MoveFocus(HWND dialog, HWND target);
    // Where the focus goes back to when the dialog is activated or focused.
    static void RestoreFocus(HWND dialog);
    // Gives the default look to the focused push button, else to the default id's button.
    static void FocusChanged(HWND dialog);
    static void SetDefaultId(HWND dialog, int id);
    static LRESULT DialogCode(HWND control, const MSG* msg = nullptr);
    // The dialog's answer to DM_GETDEFID, IDOK when it has none.
    static int DefaultId(HWND dialog);

  private:
    // Controls in tab order, looking inside WS_EX_CONTROLPARENT children.
    static std::vector<HWND> Controls(HWND dialog);
    static void Collect(HWND parent, std::vector<HWND>& out);
    // The entry of controls that is window or holds it (a combo's edit, a grid's editor).
    static std::vector<HWND>::const_iterator Holder(const std::vector<HWND>& controls, HWND window);
    static bool Usable(HWND control);
    static HWND DefaultButton(HWND dialog);
    static void ShowAsDefault(HWND dialog, HWND button);
    static void SetButtonType(HWND button, DWORD type);
};

} // namespace win
