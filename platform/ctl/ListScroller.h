#pragma once
// The vertical scrolling of a list (the list box and the report view): where a scroll code or
// the wheel takes the top row, and the classic strip in WS_VSCROLL that shows only while the
// rows do not fit, pressed, repeated and dragged through the scroll tracker.
#include "platform/ctl/ScrollStrip.h"
#include "platform/ctl/ScrollTracker.h"

namespace ctl {

class ListScroller final : private ScrollTracker::Bar {
  public:
    // What a list shows: count rows, page of which fit, the first shown at top.
    struct Span {
        int count = 0;
        int page = 0;
        int top = 0;
    };
    // The list scrolled: its span, and the top row it moves to (clamping it).
    class Rows {
      public:
        virtual Span ScrollSpan() const = 0;
        virtual void ScrollTo(int top) = 0;

      protected:
        virtual ~Rows() = default;
    };

    // keepCapture: the list holds a capture it did not take (a dropped combo list).
    ListScroller(HWND list, Rows& shown, bool keepCapture = false);

    // The top row nearest to row that still keeps the page full.
    static int Clamp(int row, int count, int page);
    // The top row a scroll code asks for; the thumb codes ask for pos.
    static int TopFor(int code, int pos, const Span& span);

    // Presses on the strip and the drag and repeat that follow, WM_VSCROLL, the wheel and
    // WM_NCPAINT; true when msg was one of them and is answered by result. A lost capture
    // stops the tracking and is left for the list to see too.
    bool Message(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A press at a client point on the strip; false when it missed every part.
    bool Press(POINT p);
    bool Tracking() const { return tracker.Active(); }

    // Shows the strip when wanted and the rows do not fit (or always, if asked).
    void Update(bool wanted, bool always = false);
    // The strip needs painting: it is painted with the frame at the next paint, once however
    // many rows came and went meanwhile.
    void Changed();

  private:
    ScrollBarGeometry Geometry() const override { return Strip().Geometry(); }
    void Scroll(int code, int pos) override;
    void Repaint() override { Changed(); }
    bool Shown() const;
    ScrollStrip Strip() const;
    void Paint();
    void Wheel(int delta);

    HWND hwnd;
    Rows& rows;
    ScrollTracker tracker;
    int wheelRest = 0;
    bool dirty = false;
};

} // namespace ctl
