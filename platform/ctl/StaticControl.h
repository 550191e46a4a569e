#pragma once
// The "Static" class: labels (left, centred or right, wrapped, with "&" prefixes) and etched
// lines. Its colours come from the parent's WM_CTLCOLORSTATIC answer.
#include "platform/win/WinUser.h"

namespace ctl {

class StaticControl {
  public:
    static constexpr const char* ClassName = "Static";
    static ATOM Register();

    explicit StaticControl(HWND window) : hwnd(window) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    void Paint(HDC dc);
    void PaintText(HDC dc, RECT r, DWORD style);

    HWND hwnd;
    HFONT font = nullptr;
};

} // namespace ctl
