#pragma once
// The "ComboLBox" window: the drop-down list of a combo box. A top-level popup that never
// activates or takes the focus; while dropped it holds the mouse capture, highlights the entry
// under the pointer and tells its combo box about picks and presses outside.
#include "platform/ctl/ListBoxControl.h"

namespace ctl {

// What the list tells its combo box.
inline constexpr UINT CLM_PICK = WM_USER + 0x201;   // wParam: the entry clicked
inline constexpr UINT CLM_CANCEL = WM_USER + 0x202; // a press outside, or the capture lost

class ComboListWindow : public ListBoxControl {
  public:
    static constexpr const char* ClassName = "ComboLBox";
    // Not the classic 1000, which the query builder's first label uses.
    static constexpr int ListId = 0x7FFE;
    static ATOM Register();

    explicit ComboListWindow(HWND hwnd);
    // WM_NCCREATE's lpCreateParams carries the combo box.
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    void Hover(LPARAM point);
    void Press(LPARAM point);
    void Up(LPARAM point);

    HWND combo = nullptr;
};

} // namespace ctl
