#include "core/CSize.h"

namespace Vantix {

CSize::CSize() : SIZE{0, 0} {}

CSize::CSize(int width, int height) : SIZE{width, height} {}

CSize::CSize(const SIZE& size) : SIZE(size) {}

CSize CSize::operator+(const SIZE& other) const {
    return CSize(cx + other.cx, cy + other.cy);
}

CSize CSize::operator-(const SIZE& other) const {
    return CSize(cx - other.cx, cy - other.cy);
}

bool CSize::operator==(const SIZE& other) const {
    return cx == other.cx && cy == other.cy;
}

bool CSize::operator!=(const SIZE& other) const {
    return !(*this == other);
}

} // namespace Vantix
