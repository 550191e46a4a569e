#pragma once
// A set of pixels held as y-x banded rectangles: bands sorted top to bottom, each band's
// rectangles sorted left to right, never touching; equal neighbouring bands are merged.
#include "platform/base/WinDef.h"

#include <vector>

namespace gfx {

class Region {
  public:
    Region() = default;
    explicit Region(const RECT& r);

    bool IsEmpty() const { return rects.empty(); }
    RECT Bounds() const;
    const std::vector<RECT>& Rects() const { return rects; }

    void Union(const RECT& r);
    void Union(const Region& other);
    void Intersect(const RECT& r);
    void Intersect(const Region& other);
    void Subtract(const RECT& r);
    void Subtract(const Region& other);
    void Offset(int dx, int dy);

    bool Contains(POINT p) const;
    bool Intersects(const RECT& r) const;
    bool operator==(const Region& other) const;

  private:
    enum class Op { Union, Intersect, Subtract };
    bool Shortcut(const Region& other, Op op);
    void Combine(const Region& other, Op op);

    std::vector<RECT> rects;
};

} // namespace gfx
