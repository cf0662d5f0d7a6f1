#include "core/CRect.h"

namespace Vantix {

CRect::CRect() : RECT{0, 0, 0, 0} {}

CRect::CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}

CRect::CRect(const RECT& rect) : RECT(rect) {}

CRect::CRect(const POINT& topLeft, const SIZE& size)
    : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

CRect::CRect(const POINT& topLeft, const POINT& bottomRight)
    : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

int CRect::Width() const {
    return right - left;
}

int CRect::Height() const {
    return bottom - top;
}

CSize CRect::Size() const {
    return CSize(Width(), Height());
}

CPoint CRect::TopLeft() const {
    return CPoint(left, top);
}

CPoint CRect::BottomRight() const {
    return CPoint(right, bottom);
}

CPoint CRect::CenterPoint() const {
    return CPoint((left + right) / 2, (top + bottom) / 2);
}

BOOL CRect::IsRectEmpty() const {
    return ::IsRectEmpty(this);
}

BOOL CRect::IsRectNull() const {
    return left == 0 && top == 0 && right == 0 && bottom == 0;
}

BOOL CRect::PtInRect(POINT point) const {
    return ::PtInRect(this, point);
}

BOOL CRect::EqualRect(const RECT* other) const {
    return ::EqualRect(this, other);
}

void CRect::SetRect(int l, int t, int r, int b) {
    ::SetRect(this, l, t, r, b);
}

void CRect::SetRectEmpty() {
    ::SetRectEmpty(this);
}

void CRect::OffsetRect(int dx, int dy) {
    ::OffsetRect(this, dx, dy);
}

void CRect::OffsetRect(const POINT& delta) {
    ::OffsetRect(this, delta.x, delta.y);
}

void CRect::MoveToXY(int x, int y) {
    ::OffsetRect(this, x - left, y - top);
}

void CRect::InflateRect(int dx, int dy) {
    ::InflateRect(this, dx, dy);
}

void CRect::InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(int dx, int dy) {
    ::InflateRect(this, -dx, -dy);
}

void CRect::DeflateRect(int l, int t, int r, int b) {
    InflateRect(-l, -t, -r, -b);
}

void CRect::NormalizeRect() {
    if (left > right) {
        LONG swap = left;
        left = right;
        right = swap;
    }
    if (top > bottom) {
        LONG swap = top;
        top = bottom;
        bottom = swap;
    }
}

BOOL CRect::IntersectRect(const RECT* first, const RECT* second) {
    return ::IntersectRect(this, first, second);
}

BOOL CRect::UnionRect(const RECT* first, const RECT* second) {
    return ::UnionRect(this, first, second);
}

bool CRect::operator==(const RECT& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}

bool CRect::operator!=(const RECT& other) const {
    return !(*this == other);
}

} // namespace Vantix
