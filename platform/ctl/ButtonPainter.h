#pragma once
// The classic looks of push buttons and check boxes.
#include "platform/win/WinUser.h"

#include <string>

namespace ctl {

struct ButtonLook {
    std::string text;
    HFONT font = nullptr;
    DWORD style = 0;
    int check = 0;
    bool pushed = false;
    bool focused = false;
    bool disabled = false;
};

class ButtonPainter {
  public:
    static constexpr int BoxSize = 13;

    static void PaintPush(HDC dc, RECT r, const ButtonLook& look);
    // The background has been filled with the parent's brush already.
    static void PaintCheck(HDC dc, RECT r, const ButtonLook& look);
    // Where the 13 x 13 box of a check box sits in r.
    static RECT BoxRect(const RECT& r, DWORD style);

  private:
    static void PushFrame(HDC dc, RECT& r, bool isDefault, bool pushed);
    static void CheckMark(HDC dc, const RECT& box, COLORREF colour);
    static void Caption(HDC dc, RECT r, const ButtonLook& look, UINT format);
    static void CheckFocus(HDC dc, const RECT& box, const RECT& text, const ButtonLook& look);
};

} // namespace ctl
