#pragma once
// The "Button" class: push buttons (default or not), check boxes and owner-drawn buttons.
// A press takes focus and capture; the pushed look follows the pointer; a release inside
// clicks. Space clicks too. A double click counts as a second press.
#include "platform/base/WinControls.h"
#include "platform/ctl/ButtonPainter.h"

namespace ctl {

class ButtonControl {
  public:
    static constexpr const char* ClassName = "Button";
    static ATOM Register();

    explicit ButtonControl(HWND window) : hwnd(window) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    DWORD Kind() const;
    bool IsCheckKind() const;
    bool IsOwnerDraw() const { return Kind() == BS_OWNERDRAW; }

    LRESULT Mouse(UINT msg, LPARAM lParam);
    LRESULT Keys(UINT msg, WPARAM key, LPARAM lParam);
    LRESULT ButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Focus(bool gained);
    LRESULT DialogCode() const;

    void Press();
    void Release(bool inside);
    void Click();
    void SetPushed(bool on);
    void SetCheck(WPARAM value);
    void SetStyle(WPARAM style, bool redraw);

    void Redraw(UINT action);
    void Paint(HDC dc);
    void DrawItem(HDC dc, UINT action);
    ButtonLook Look() const;

    HWND hwnd;
    HFONT font = nullptr;
    int check = 0;
    bool pushed = false;
    bool tracking = false;
    bool spaceDown = false;
};

} // namespace ctl
