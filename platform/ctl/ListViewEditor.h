#pragma once
// The label editor of a report view: an "Edit" child over column 0's cell. Enter commits,
// Escape cancels, losing the focus commits, Tab and Shift+Tab commit and move on through the
// dialog's tab order; the list hears of the end through a message and destroys the child
// later from a posted one, never inside the child's own handler.
#include "platform/base/CommCtrl.h"

#include <string>

namespace ctl {

class ListViewEditor {
  public:
    // Sent to the list with wParam 1 to commit, 0 to cancel; lParam is the edit window.
    static constexpr UINT EndMessage = LVM_FIRST + 0xF0;
    // Posted to the list; lParam is the edit window to destroy.
    static constexpr UINT DestroyMessage = LVM_FIRST + 0xF1;

    // Creates the child over cell with text, all selected, and gives it the focus.
    static HWND Open(HWND list, const RECT& cell, const std::string& text, HFONT font);
    static std::string TextOf(HWND edit);
};

} // namespace ctl
