#include "core/CPoint.h"

namespace Vantix {

CPoint::CPoint() : POINT{0, 0} {}

CPoint::CPoint(int x0, int y0) : POINT{x0, y0} {}

CPoint::CPoint(const POINT& point) : POINT(point) {}

void CPoint::Offset(int dx, int dy) {
    x += dx;
    y += dy;
}

void CPoint::Offset(const POINT& delta) {
    Offset(delta.x, delta.y);
}

CPoint& CPoint::operator+=(const POINT& delta) {
    Offset(delta.x, delta.y);
    return *this;
}

CPoint& CPoint::operator-=(const POINT& delta) {
    Offset(-delta.x, -delta.y);
    return *this;
}

CPoint CPoint::operator+(const POINT& delta) const {
    return CPoint(x + delta.x, y + delta.y);
}

CPoint CPoint::operator-(const POINT& delta) const {
    return CPoint(x - delta.x, y - delta.y);
}

CPoint CPoint::operator-() const {
    return CPoint(-x, -y);
}

bool CPoint::operator==(const POINT& other) const {
    return x == other.x && y == other.y;
}

bool CPoint::operator!=(const POINT& other) const {
    return !(*this == other);
}

} // namespace Vantix
