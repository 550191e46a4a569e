#include "platform/ctl/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace ctl {

int ScrollState::MaxPos() const {
    const std::int64_t top = page > 0 ? std::int64_t{max} - page + 1 : max;
    return static_cast<int>(std::max<std::int64_t>(min, top));
}

int ScrollState::Clamp(int value) const {
    return std::clamp(value, min, MaxPos());
}

ScrollBarGeometry::ScrollBarGeometry(RECT client, bool isVertical, const ScrollState& s,
                                     int shownPos)
    : state(s), vertical(isVertical), origin{client.left, client.top} {
    length = std::max(0, vertical ? client.bottom - client.top : client.right - client.left);
    breadth = std::max(0, vertical ? client.right - client.left : client.bottom - client.top);
    arrow = std::min(breadth, length / 2);
    const int track = length - 2 * arrow;
    const std::int64_t range = std::int64_t{s.max} - s.min + 1;
    const std::int64_t steps = std::int64_t{s.MaxPos()} - s.min;
    if (range <= 0 || steps <= 0 || track <= 0) {
        return;
    }
    int thumb = s.page > 0 ? static_cast<int>(track * std::int64_t{s.page} / range) : breadth;
    thumb = std::min(track, std::max(thumb, MinThumb));
    if (thumb >= track) {
        return; // no room to move: the bar shows no thumb
    }
    const std::int64_t at = std::clamp<std::int64_t>(std::int64_t{shownPos} - s.min, 0, steps);
    thumbLength = thumb;
    thumbStart = arrow + static_cast<int>((track - thumb) * at / steps);
}

RECT ScrollBarGeometry::Span(int from, int to) const {
    to = std::max(from, to);
    if (vertical) {
        return {origin.x, origin.y + from, origin.x + breadth, origin.y + to};
    }
    return {origin.x + from, origin.y, origin.x + to, origin.y + breadth};
}

RECT ScrollBarGeometry::PartRect(Part part) const {
    const int trackEnd = length - arrow;
    switch (part) {
    case Part::LineUp:
        return Span(0, arrow);
    case Part::LineDown:
        return Span(trackEnd, length);
    case Part::Thumb:
        return Span(thumbStart, thumbStart + thumbLength);
    case Part::PageUp:
        return HasThumb() ? Span(arrow, thumbStart) : Span(arrow, trackEnd);
    case Part::PageDown:
        return HasThumb() ? Span(thumbStart + thumbLength, trackEnd) : Span(trackEnd, trackEnd);
    default:
        return {};
    }
}

ScrollBarGeometry::Part ScrollBarGeometry::HitTest(POINT p) const {
    const int across = vertical ? p.x - origin.x : p.y - origin.y;
    const int along = Axis(p);
    if (across < 0 || across >= breadth || along < 0 || along >= length) {
        return Part::None;
    }
    if (along < arrow) {
        return Part::LineUp;
    }
    if (along >= length - arrow) {
        return Part::LineDown;
    }
    if (!HasThumb()) {
        return Part::None;
    }
    if (along < thumbStart) {
        return Part::PageUp;
    }
    return along < thumbStart + thumbLength ? Part::Thumb : Part::PageDown;
}

int ScrollBarGeometry::PosForThumbAt(POINT p, int grab) const {
    const int room = length - 2 * arrow - thumbLength;
    if (!HasThumb() || room <= 0) {
        return state.pos;
    }
    const std::int64_t offset = std::clamp(Axis(p) - grab - arrow, 0, room);
    const std::int64_t steps = std::int64_t{state.MaxPos()} - state.min;
    return static_cast<int>(state.min + (offset * steps + room / 2) / room);
}

} // namespace ctl
