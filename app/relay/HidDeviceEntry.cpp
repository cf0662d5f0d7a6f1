#include "relay/HidDeviceEntry.h"

HidDeviceEntry::HidDeviceEntry(hid_device* device, int position, const hid_device_info& info,
                               const std::wstring& product)
    : m_device(device), m_position(position), m_vendorId(info.vendor_id), m_productId(info.product_id),
      m_releaseNumber(info.release_number), m_path(info.path ? info.path : ""), m_product(product) {
    if (m_path.size() > kMaxPathLength)
        m_path.resize(kMaxPathLength);
}

HidDeviceEntry::~HidDeviceEntry() {
    if (m_device)
        hid_close(m_device);
}
