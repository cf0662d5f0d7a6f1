// One entry of the display manager's filter list: the vendor and product a device must carry. The tag is
// stored but plays no part in matching.
#pragma once

#include <string>

struct HidDeviceFilter {
    unsigned vendorId;
    unsigned productId;
    std::wstring tag;
    int tagNumber;
};
