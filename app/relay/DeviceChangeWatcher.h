// Device-change notifications for the main window: it registers for four device-interface classes and
// turns each arrival or removal of a display interface into a device refresh on the relay worker, as it
// does with each resume from sleep.
#pragma once

#include <vector>
#include <windows.h>

#include "relay/RelayCommandQueue.h"
#include "shell/KernelHandle.h"

class DeviceChangeWatcher {
public:
    explicit DeviceChangeWatcher(RelayCommandQueue& queue) : m_queue(queue) {}

    // Registers the window for USB device, disk, HID and network-adapter interface notifications. The
    // registrations end with the watcher.
    void RegisterDeviceChangeNotifications(HWND window);
    // Handles one WM_DEVICECHANGE; always 0, the message goes no further.
    LRESULT OnDeviceChange(WPARAM event, LPARAM header);
    // Handles one WM_POWERBROADCAST; always TRUE. Handles opened before a sleep can go stale without any
    // removal notice, so every resume reopens the displays.
    LRESULT OnPowerBroadcast(WPARAM event);
    // True when the interface at path is a display's vendor collection (usage page 0xFF01, usage 1).
    static bool IsDisplayVendorInterface(const wchar_t* path);

    size_t RegistrationCount() const { return m_registrations.size(); }

private:
    RelayCommandQueue& m_queue;
    std::vector<DeviceNotification> m_registrations;
};
