#pragma once
// The classic vertical scroll bar a list draws in its WS_VSCROLL strip: two arrow buttons,
// a dithered track and a raised thumb, over the scroll bar control's geometry.
#include "platform/base/GdiTypes.h"
#include "platform/ctl/ScrollBarGeometry.h"

namespace ctl {

class ScrollStrip {
  public:
    using Part = ScrollBarGeometry::Part;

    // bar: the strip; count entries of which page show; top: the first shown.
    ScrollStrip(RECT bar, int count, int page, int top);

    const ScrollBarGeometry& Geometry() const { return geometry; }
    // pressed: the arrow drawn pushed, if any.
    void Paint(HDC dc, Part pressed) const;

  private:
    void PaintArrow(HDC dc, Part part, bool pressed) const;

    ScrollBarGeometry geometry;
    bool enabled;
};

} // namespace ctl
