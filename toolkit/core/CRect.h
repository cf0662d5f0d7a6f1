// Rectangle value of the toolkit interface (right and bottom exclusive); a CRect* is a RECT*.
#pragma once

#include <windows.h>

#include "core/CPoint.h"
#include "core/CSize.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CRect : public RECT {
public:
    CRect();
    CRect(int left, int top, int right, int bottom);
    CRect(const RECT& rect);
    CRect(const POINT& topLeft, const SIZE& size);
    CRect(const POINT& topLeft, const POINT& bottomRight);

    int Width() const;
    int Height() const;
    CSize Size() const;
    CPoint TopLeft() const;
    CPoint BottomRight() const;
    CPoint CenterPoint() const;
    // Empty when it has no area (width or height not positive), as IsRectEmpty.
    BOOL IsRectEmpty() const;
    BOOL IsRectNull() const;
    BOOL PtInRect(POINT point) const;
    BOOL EqualRect(const RECT* other) const;

    void SetRect(int left, int top, int right, int bottom);
    void SetRectEmpty();
    void OffsetRect(int dx, int dy);
    void OffsetRect(const POINT& delta);
    void MoveToXY(int x, int y);
    void InflateRect(int dx, int dy);
    void InflateRect(int left, int top, int right, int bottom);
    void DeflateRect(int dx, int dy);
    void DeflateRect(int left, int top, int right, int bottom);
    void NormalizeRect();
    // Both return FALSE and leave this rectangle empty when the result has no area.
    BOOL IntersectRect(const RECT* first, const RECT* second);
    BOOL UnionRect(const RECT* first, const RECT* second);

    operator RECT*() { return this; }
    operator const RECT*() const { return this; }
    bool operator==(const RECT& other) const;
    bool operator!=(const RECT& other) const;
};

} // namespace Vantix
