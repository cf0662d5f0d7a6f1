// Lets GoogleTest print rectangles as (left, top)-(right, bottom) in failure messages.
#pragma once

#include <ostream>

#include "core/CRect.h"

namespace Vantix {

inline void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

} // namespace Vantix
