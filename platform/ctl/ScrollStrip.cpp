#include "platform/ctl/ScrollStrip.h"

#include "platform/ctl/ControlSupport.h"

namespace ctl {

namespace {

constexpr int GlyphRows = 4;

ScrollState StateOf(int count, int page, int top) {
    ScrollState s;
    s.max = count - 1;
    s.page = page;
    s.pos = top;
    return s;
}

} // namespace

ScrollStrip::ScrollStrip(RECT bar, int count, int page, int top)
    : geometry(bar, true, StateOf(count, page, top), top), enabled(count > page) {}

void ScrollStrip::PaintArrow(HDC dc, Part part, bool pressed) const {
    RECT r = geometry.PartRect(part);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (pressed) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        OffsetRect(&r, 1, 1);
    } else {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    }
    DrawArrowGlyph(dc, r, part == Part::LineUp ? Arrow::Up : Arrow::Down, GlyphRows,
                   GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void ScrollStrip::Paint(HDC dc, Part pressed) const {
    PaintArrow(dc, Part::LineUp, pressed == Part::LineUp);
    PaintArrow(dc, Part::LineDown, pressed == Part::LineDown);
    const RECT up = geometry.PartRect(Part::LineUp);
    const RECT down = geometry.PartRect(Part::LineDown);
    const RECT track{up.left, up.bottom, up.right, down.top};
    FillDither(dc, track, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT));
    if (geometry.HasThumb()) {
        RECT thumb = geometry.PartRect(Part::Thumb);
        FillRect(dc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
    }
}

} // namespace ctl
