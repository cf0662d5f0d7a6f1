// One open display: the hidapi device (owned, closed with the entry) and what the enumeration said of it.
#pragma once

#include <string>

#include <hidapi.h>

class HidDeviceEntry {
public:
    // Device paths are kept to this many characters; longer ones are cut, as nothing reads them back.
    static constexpr size_t kMaxPathLength = 1023;

    HidDeviceEntry(hid_device* device, int position, const hid_device_info& info,
                   const std::wstring& product);
    ~HidDeviceEntry();
    HidDeviceEntry(const HidDeviceEntry&) = delete;
    HidDeviceEntry& operator=(const HidDeviceEntry&) = delete;

    hid_device* Device() const { return m_device; }
    int Position() const { return m_position; }
    unsigned short VendorId() const { return m_vendorId; }
    unsigned short ProductId() const { return m_productId; }
    unsigned short ReleaseNumber() const { return m_releaseNumber; }
    const std::string& Path() const { return m_path; }
    const std::wstring& ProductString() const { return m_product; }

private:
    hid_device* m_device;
    int m_position;
    unsigned short m_vendorId;
    unsigned short m_productId;
    unsigned short m_releaseNumber;
    std::string m_path;
    std::wstring m_product;
};
