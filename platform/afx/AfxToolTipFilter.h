#pragma once
// Tooltips for windows that enabled them: on each mouse message taken from the queue the
// window under the pointer (or its nearest ancestor) with tooltips enabled is asked for the
// tool under the pointer; when the window or the tool id changed, the one tooltip of the
// thread gets that tool instead of the previous one (text asked later); then the message is
// relayed to the tooltip.
#include "platform/base/CommCtrl.h"
#include "platform/win/WinUser.h"

#include <string>

class AfxToolTipFilter {
  public:
    static void Filter(const MSG& msg);
    // The class the tooltip window is made of (tests use a stand-in).
    static void SetClassName(const std::string& name);
    static HWND ToolTipWindow();

  private:
    static HWND EnsureToolTip();
    static void Replace(HWND tip, HWND owner, INT_PTR id, TOOLINFOA& tool);
    static void Forget(HWND tip);
};
