#pragma once
// What the mouse does to a scroll bar, wherever the bar is drawn (the scroll bar control, the
// strip of a list box or of a list view): a press on an arrow or a page area steps at once and
// repeats on the window clock while the button is held and the pointer stays on that part; a
// press on the thumb drags it. The bar turns each action into a scroll code (SB_LINEUP ...
// SB_ENDSCROLL), as WM_VSCROLL carries them.
#include "platform/base/WinControls.h"
#include "platform/ctl/ScrollBarGeometry.h"
#include "platform/win/WinUser.h"

namespace ctl {

class ScrollTracker {
  public:
    using Part = ScrollBarGeometry::Part;
    enum class State {
        Idle,     // no button held on the bar
        Holding,  // an arrow or page area held with the pointer on it: it repeats
        Away,     // held, but the pointer (or, in a page area, the thumb) moved off it
        Dragging, // the thumb follows the pointer
    };
    static constexpr UINT_PTR RepeatTimer = 0x5C01;
    static constexpr UINT FirstRepeat = 400;
    static constexpr UINT NextRepeat = 50;

    // The bar the tracker drives: where its parts lie now, what a scroll code does, and a
    // repaint when the pressed look changes.
    class Bar {
      public:
        virtual ScrollBarGeometry Geometry() const = 0;
        virtual void Scroll(int code, int pos) = 0;
        virtual void Repaint() = 0;

      protected:
        ~Bar() = default;
    };

    // window takes the capture and the repeat timer; keepCapture: a capture the tracker finds
    // held by someone else's wish (a dropped combo list) stays after the release.
    ScrollTracker(HWND window, Bar& driven, bool keepsCapture = false)
        : hwnd(window), bar(driven), keepCapture(keepsCapture) {}

    // The button went down at a point of the bar's geometry; false off every part.
    bool Press(POINT p);
    void Move(POINT p);
    // The repeat timer fired.
    void Tick();
    // The button came up: SB_THUMBPOSITION after a drag, then SB_ENDSCROLL.
    void Release();
    // The capture went elsewhere: back to Idle without a word to the bar.
    void Cancel();

    State Current() const { return state; }
    bool Active() const { return state != State::Idle; }
    // The part drawn pushed: the arrow or page area held with the pointer on it.
    Part Pushed() const { return state == State::Holding ? pressed : Part::None; }
    bool Dragging() const { return state == State::Dragging; }
    // Where the dragged thumb stands for.
    int TrackPos() const { return trackPos; }

  private:
    bool OnPressedPart() const;
    void Enter(State next);
    void Stop();

    HWND hwnd;
    Bar& bar;
    bool keepCapture;
    State state = State::Idle;
    Part pressed = Part::None;
    POINT last{};
    int grab = 0;
    int trackPos = 0;
};

} // namespace ctl
