// Point value of the toolkit interface; a CPoint* is a POINT*.
#pragma once

#include <windows.h>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CPoint : public POINT {
public:
    CPoint();
    CPoint(int x, int y);
    CPoint(const POINT& point);

    void Offset(int dx, int dy);
    void Offset(const POINT& delta);

    CPoint& operator+=(const POINT& delta);
    CPoint& operator-=(const POINT& delta);
    CPoint operator+(const POINT& delta) const;
    CPoint operator-(const POINT& delta) const;
    CPoint operator-() const;
    bool operator==(const POINT& other) const;
    bool operator!=(const POINT& other) const;
};

} // namespace Vantix
