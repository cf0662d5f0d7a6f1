#include "relay/DeviceChangeWatcher.h"

#include <cstddef>
#include <cwctype>
#include <dbt.h>
#include <string>
#include <hidsdi.h>

#include "relay/CHidDeviceManager.h"
#include "relay/RelayCommands.h"
#include "shell/LoadedModule.h"

namespace {

const GUID kWatchedClasses[] = {
    {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}}, // USB device
    {0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}}, // disk
    {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}}, // HID
    {0xAD498944, 0x762F, 0x11D0, {0x8D, 0xCB, 0x00, 0xC0, 0x4F, 0xC3, 0x35, 0x8C}}, // network adapter
};

const wchar_t kDisplayIds[] = L"VID_1A2C&PID_4F84";

using GetPreparsedDataFn = BOOLEAN(NTAPI*)(HANDLE, PHIDP_PREPARSED_DATA*);
using FreePreparsedDataFn = BOOLEAN(NTAPI*)(PHIDP_PREPARSED_DATA);
using GetCapsFn = NTSTATUS(NTAPI*)(PHIDP_PREPARSED_DATA, PHIDP_CAPS);

// The interface name, read no further than the broadcast's own size says: the sender need not end it.
std::wstring InterfaceName(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast) {
    const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (broadcast.dbcc_size <= nameOffset)
        return std::wstring();
    size_t capacity = (broadcast.dbcc_size - nameOffset) / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && broadcast.dbcc_name[length] != L'\0')
        ++length;
    return std::wstring(broadcast.dbcc_name, length);
}

bool NamesDisplay(std::wstring name) {
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    return name.find(kDisplayIds) != std::wstring::npos;
}

bool HasVendorCaps(HANDLE device) {
    LoadedModule hid(L"hid.dll");
    auto getPreparsed = hid.Find<GetPreparsedDataFn>("HidD_GetPreparsedData");
    auto freePreparsed = hid.Find<FreePreparsedDataFn>("HidD_FreePreparsedData");
    auto getCaps = hid.Find<GetCapsFn>("HidP_GetCaps");
    if (!getPreparsed || !freePreparsed || !getCaps)
        return false;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!getPreparsed(device, &preparsed))
        return false;
    HIDP_CAPS caps = {};
    bool vendor = getCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS &&
                  caps.UsagePage == CHidDeviceManager::kVendorUsagePage &&
                  caps.Usage == CHidDeviceManager::kVendorUsage;
    freePreparsed(preparsed);
    return vendor;
}

} // namespace

void DeviceChangeWatcher::RegisterDeviceChangeNotifications(HWND window) {
    for (const GUID& interfaceClass : kWatchedClasses) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = interfaceClass;
        DeviceNotification registration(
            RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
        if (registration.IsValid())
            m_registrations.push_back(std::move(registration));
    }
}

LRESULT DeviceChangeWatcher::OnDeviceChange(WPARAM event, LPARAM header) {
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE)
        return 0;
    const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_HDR*>(header);
    if (!broadcast || broadcast->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return 0;
    std::wstring name = InterfaceName(*reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(broadcast));
    if (!NamesDisplay(name))
        return 0;
    if (event == DBT_DEVICEARRIVAL && IsDisplayVendorInterface(name.c_str()))
        m_queue.QueueCommand(kCommandRefreshDevices);
    m_queue.QueueCommand(kCommandRefreshDevices);
    return 0;
}

bool DeviceChangeWatcher::IsDisplayVendorInterface(const wchar_t* path) {
    UniqueHandle device(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    return device.IsValid() && HasVendorCaps(device.Get());
}

LRESULT DeviceChangeWatcher::OnPowerBroadcast(WPARAM event) {
    // Sent on every resume, also when no user is present; the resume the user causes follows it.
    if (event == PBT_APMRESUMEAUTOMATIC)
        m_queue.QueueCommand(kCommandRefreshDevices);
    return TRUE;
}
