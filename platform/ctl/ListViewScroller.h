#pragma once
// The vertical scrolling of a report view: where a scroll code or the wheel takes the top
// row, and the classic strip in WS_VSCROLL that shows only while the rows do not fit.
#include "platform/ctl/ScrollStrip.h"
#include "platform/win/WinUser.h"

namespace ctl {

class ListViewScroller {
  public:
    explicit ListViewScroller(HWND list) : hwnd(list) {}

    // The top row nearest to row that still keeps the page full.
    static int Clamp(int row, int count, int page);
    // The top row after a scroll bar code (SB_LINEUP ... SB_BOTTOM).
    static int TopFor(int code, int top, int count, int page);
    // Rows to move up for a wheel turn; partial turns add up.
    int WheelLines(int delta);

    // Shows or hides the strip for count rows of which page fit; paints it later.
    void Update(bool allowed, int count, int page);
    void MarkDirty() { dirty = true; }
    void PaintIfDirty(int count, int page, int top);
    void Paint(int count, int page, int top) const;
    // The scroll code of a press at a screen point on the strip; -1 elsewhere.
    int CodeAt(LPARAM screenPoint, int count, int page, int top) const;

  private:
    bool Shown() const;
    ScrollStrip Strip(int count, int page, int top) const;

    HWND hwnd;
    int wheelRest = 0;
    bool dirty = false;
};

} // namespace ctl
