#pragma once
// A POINT with arithmetic.
#include "platform/base/WinDef.h"

class CPoint : public POINT {
  public:
    CPoint() = default;
    CPoint(int px, int py) : POINT{px, py} {}
    CPoint(const POINT& p) : POINT(p) {}
    // From a mouse message's lParam: signed 16-bit x and y.
    explicit CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
    CPoint operator+(const POINT& p) const { return {x + p.x, y + p.y}; }
    CPoint operator-(const POINT& p) const { return {x - p.x, y - p.y}; }
    CPoint operator-() const { return {-x, -y}; }
    CPoint& operator+=(const POINT& p) {
        Offset(p.x, p.y);
        return *this;
    }
    CPoint& operator-=(const POINT& p) {
        Offset(-p.x, -p.y);
        return *this;
    }
    operator POINT*() { return this; }
    operator const POINT*() const { return this; }
};
