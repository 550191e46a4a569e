#include "platform/ctl/ScrollTracker.h"

namespace ctl {

namespace {

int CodeFor(ScrollTracker::Part part) {
    using Part = ScrollTracker::Part;
    switch (part) {
    case Part::LineUp:
        return SB_LINEUP;
    case Part::LineDown:
        return SB_LINEDOWN;
    case Part::PageUp:
        return SB_PAGEUP;
    default:
        return SB_PAGEDOWN;
    }
}

} // namespace

bool ScrollTracker::Press(POINT p) {
    if (state != State::Idle) {
        return false;
    }
    const ScrollBarGeometry g = bar.Geometry();
    const Part part = g.HitTest(p);
    if (part == Part::None || !IsWindow(hwnd)) {
        return false;
    }
    SetCapture(hwnd);
    pressed = part;
    last = p;
    if (part == Part::Thumb) {
        grab = g.Grab(p);
        trackPos = g.Position();
        Enter(State::Dragging);
        return true;
    }
    Enter(State::Holding);
    SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    bar.Scroll(CodeFor(pressed), 0);
    return true;
}

void ScrollTracker::Move(POINT p) {
    if (state == State::Idle) {
        return;
    }
    last = p;
    if (state == State::Dragging) {
        const int next = bar.Geometry().PosForThumbAt(p, grab);
        if (next != trackPos) {
            trackPos = next;
            bar.Repaint();
            bar.Scroll(SB_THUMBTRACK, trackPos);
        }
        return;
    }
    Enter(OnPressedPart() ? State::Holding : State::Away);
}

// A page area stops repeating once the thumb has reached the pointer.
void ScrollTracker::Tick() {
    if (state == State::Idle || state == State::Dragging) {
        KillTimer(hwnd, RepeatTimer);
        return;
    }
    SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
    Enter(OnPressedPart() ? State::Holding : State::Away);
    if (state == State::Holding) {
        bar.Scroll(CodeFor(pressed), 0);
    }
}

void ScrollTracker::Release() {
    if (state == State::Idle) {
        return;
    }
    const bool dragged = state == State::Dragging;
    Stop();
    if (!keepCapture && GetCapture() == hwnd) {
        ReleaseCapture();
    }
    if (dragged) {
        bar.Scroll(SB_THUMBPOSITION, trackPos);
    }
    if (IsWindow(hwnd)) {
        bar.Scroll(SB_ENDSCROLL, 0);
    }
}

void ScrollTracker::Cancel() {
    if (state != State::Idle) {
        Stop();
    }
}

bool ScrollTracker::OnPressedPart() const {
    return bar.Geometry().HitTest(last) == pressed;
}

void ScrollTracker::Enter(State next) {
    if (next != state) {
        state = next;
        bar.Repaint();
    }
}

void ScrollTracker::Stop() {
    KillTimer(hwnd, RepeatTimer);
    pressed = Part::None;
    Enter(State::Idle);
}

} // namespace ctl
