#pragma once
// A SIZE with arithmetic.
#include "platform/base/WinDef.h"

class CSize : public SIZE {
  public:
    CSize() = default;
    CSize(int width, int height) : SIZE{width, height} {}
    CSize(const SIZE& s) : SIZE(s) {}

    bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
    CSize operator+(const SIZE& s) const { return {cx + s.cx, cy + s.cy}; }
    CSize operator-(const SIZE& s) const { return {cx - s.cx, cy - s.cy}; }
    operator SIZE*() { return this; }
};
