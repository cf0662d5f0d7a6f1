// Size value of the toolkit interface; a CSize* is a SIZE*.
#pragma once

#include <windows.h>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CSize : public SIZE {
public:
    CSize();
    CSize(int cx, int cy);
    CSize(const SIZE& size);

    CSize operator+(const SIZE& other) const;
    CSize operator-(const SIZE& other) const;
    bool operator==(const SIZE& other) const;
    bool operator!=(const SIZE& other) const;
};

} // namespace Vantix
