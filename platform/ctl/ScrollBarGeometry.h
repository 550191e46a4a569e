#pragma once
// Where the parts of a scroll bar lie for a given size, range, page and position, and which
// position a dragged thumb stands for.
#include "platform/base/WinDef.h"

namespace ctl {

struct ScrollState {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;

    // The highest position: max - page + 1 with a page, else max; never below min.
    int MaxPos() const;
    int Clamp(int value) const;
};

class ScrollBarGeometry {
  public:
    enum class Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };
    static constexpr int MinThumb = 8;

    // shownPos is where the thumb is drawn: the position, or the track position while dragging.
    ScrollBarGeometry(RECT client, bool isVertical, const ScrollState& s, int shownPos);

    RECT PartRect(Part part) const;
    Part HitTest(POINT p) const;
    bool HasThumb() const { return thumbLength > 0; }
    int Position() const { return state.pos; }
    // The position whose thumb has its leading edge at the point's axis coordinate minus grab.
    int PosForThumbAt(POINT p, int grab) const;
    // Pointer offset from the thumb's leading edge.
    int Grab(POINT p) const { return Axis(p) - thumbStart; }

  private:
    int Axis(POINT p) const { return vertical ? p.y - origin.y : p.x - origin.x; }
    RECT Span(int from, int to) const;

    ScrollState state;
    bool vertical;
    POINT origin{};
    int length = 0;
    int breadth = 0;
    int arrow = 0;
    int thumbStart = 0;
    int thumbLength = 0;
};

} // namespace ctl
