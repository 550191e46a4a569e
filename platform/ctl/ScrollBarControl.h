#pragma once
// The "ScrollBar" class (SBS_VERT or SBS_HORZ): arrows, page areas and a thumb. It never
// moves itself: every action goes to the parent as WM_VSCROLL or WM_HSCROLL, and the parent
// sets the new position. Held arrows and page areas repeat on the window clock.
#include "platform/base/WinControls.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/ScrollBarGeometry.h"
#include "platform/ctl/ScrollTracker.h"
#include "platform/win/WinUser.h"

namespace ctl {

class ScrollBarControl final : private ScrollTracker::Bar {
  public:
    static constexpr const char* ClassName = "ScrollBar";
    static constexpr UINT FirstRepeat = ScrollTracker::FirstRepeat;
    static constexpr UINT NextRepeat = ScrollTracker::NextRepeat;
    static ATOM Register();

    explicit ScrollBarControl(HWND window) : hwnd(window) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    using Part = ScrollBarGeometry::Part;

    bool Vertical() const;
    ScrollBarGeometry Geometry() const override;
    // Tells the parent, which sets the new position.
    void Scroll(int code, int pos) override;
    void Repaint() override;
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Mouse(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Keys(UINT msg, WPARAM key, LPARAM lParam);

    int SetInfo(const SCROLLINFO* info, bool redraw);
    BOOL GetInfo(SCROLLINFO* info) const;
    int SetPos(int pos, bool redraw);
    void SetRange(int min, int max, bool redraw);

    void Press(POINT p);
    void Paint(HDC dc);
    void PaintButton(HDC dc, const RECT& r, Arrow arrow, bool pushed, bool disabled);

    HWND hwnd;
    ScrollState state;
    ScrollTracker tracker{hwnd, *this};
};

} // namespace ctl
