// The process-wide list of open temperature displays (HID vendor 0x1A2C, product 0x4F84, vendor collection
// usage page 0xFF01 usage 1), reached through hidapi. Everything but GetDeviceCount runs on the relay
// worker thread.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "relay/HidDeviceEntry.h"
#include "relay/HidDeviceFilter.h"

class CHidDeviceManager {
public:
    static constexpr unsigned kVendorId = 0x1A2C;
    static constexpr unsigned kProductId = 0x4F84;
    static constexpr unsigned short kVendorUsagePage = 0xFF01;
    static constexpr unsigned short kVendorUsage = 1;
    static constexpr unsigned char kReportId = 0x07;
    static constexpr size_t kReportSize = 65;

    static CHidDeviceManager& Instance();

    void ClearDeviceFilters();
    // Always filters for the display's vendor and product, whatever the tag.
    void AddDeviceFilter(const std::wstring& tag, int tagNumber);
    // Does nothing until the manager is active; then clears the flag and closes every display.
    void CloseAllDevices();
    // Opens the vendor collection of every enumerated device that matches a filter.
    void OpenMatchingDevices();
    void SetActive(bool active) { m_active = active; }

    // Sends the kReportSize-byte report to every open display; false only while inactive.
    bool SendReportToAll(const unsigned char* report);
    // Asks the first display for its firmware number (big-endian reply bytes 1 and 2).
    bool QueryFirmwareVersion(int& version);

    // Safe on any thread: a copy updated after each change of the list.
    int GetDeviceCount() const { return m_deviceCount.load(); }
    // Worker thread only; null past the end.
    const HidDeviceEntry* GetDevice(int index) const;

private:
    CHidDeviceManager();
    ~CHidDeviceManager();
    CHidDeviceManager(const CHidDeviceManager&) = delete;
    CHidDeviceManager& operator=(const CHidDeviceManager&) = delete;

    bool EnsureInitialised();
    bool MatchesFilter(const hid_device_info& info) const;
    void OpenIfVendorCollection(const hid_device_info& info);
    void CloseEntries();

    bool m_initialised = false;
    bool m_active = false;
    std::vector<HidDeviceFilter> m_filters;
    std::vector<std::unique_ptr<HidDeviceEntry>> m_devices;
    std::atomic<int> m_deviceCount{0};
};
