#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>
#include <windows.h>
#include <dbt.h>

#include "relay/DeviceChangeWatcher.h"
#include "shell/KernelHandleCount.h"

namespace {

// A device-interface broadcast as Windows builds it: the header followed by the name and its zero.
std::vector<unsigned char> InterfaceBroadcast(DWORD deviceType, const std::wstring& name) {
    size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (name.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(size);
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = deviceType;
    std::copy(name.begin(), name.end(), broadcast->dbcc_name);
    return buffer;
}

const wchar_t kDisplayLower[] =
    L"\\\\?\\hid#vid_1a2c&pid_4f84&mi_00&col03#7&1a2b3c&0&0002#{4d1e55b2-f16f-11cf-88cb-"
    L"001111000030}";
const wchar_t kDisplayUsb[] =
    L"\\\\?\\USB#VID_1A2C&PID_4F84#5&2F3E&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const wchar_t kUsbStick[] = L"\\\\?\\USB#VID_0781&PID_5567#4C530001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const wchar_t kNetworkAdapter[] =
    L"\\\\?\\PCI#VEN_8086&DEV_15B8&SUBSYS_86721043#3&11583659&0&FE#{ad498944-762f-11d0-"
    L"8dcb-00c04fc3358c}";

struct ChangeCase {
    WPARAM event;
    DWORD deviceType;
    const wchar_t* name;
    size_t queued;
};

const ChangeCase kChangeCases[] = {
    {DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kDisplayLower, 1},
    {DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kDisplayUsb, 1},
    {DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE, kDisplayLower, 1},
    {DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kUsbStick, 0},
    {DBT_DEVICEARRIVAL, DBT_DEVTYP_DEVICEINTERFACE, kNetworkAdapter, 0},
    {DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_DEVICEINTERFACE, kUsbStick, 0},
    {DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_DEVICEINTERFACE, kDisplayUsb, 0},
    {DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, kDisplayUsb, 0},
};

TEST(DeviceChangeWatcher, QueuesRefreshesOnlyForTheDisplay) {
    for (const ChangeCase& c : kChangeCases) {
        SCOPED_TRACE(testing::Message() << "event " << c.event << " type " << c.deviceType);
        RelayCommandQueue queue;
        DeviceChangeWatcher watcher(queue);
        std::vector<unsigned char> broadcast = InterfaceBroadcast(c.deviceType, c.name);
        EXPECT_EQ(0, watcher.OnDeviceChange(c.event, reinterpret_cast<LPARAM>(broadcast.data())));
        EXPECT_EQ(c.queued, queue.Size());
        int code = 0;
        if (queue.TakeCommand(code)) {
            EXPECT_EQ(1, code);
        }
    }
}

struct PowerCase {
    WPARAM event;
    size_t queued;
};

// Only the resume Windows sends on every wake refreshes; the user's resume follows it and would refresh
// twice.
const PowerCase kPowerCases[] = {
    {PBT_APMRESUMEAUTOMATIC, 1},   {PBT_APMRESUMESUSPEND, 0},   {PBT_APMSUSPEND, 0},
    {PBT_APMPOWERSTATUSCHANGE, 0}, {PBT_POWERSETTINGCHANGE, 0},
};

TEST(DeviceChangeWatcher, ResumeFromSleepReopensTheDisplays) {
    for (const PowerCase& c : kPowerCases) {
        SCOPED_TRACE(testing::Message() << "event " << c.event);
        RelayCommandQueue queue;
        DeviceChangeWatcher watcher(queue);
        EXPECT_EQ(TRUE, watcher.OnPowerBroadcast(c.event));
        EXPECT_EQ(c.queued, queue.Size());
        int code = 0;
        if (queue.TakeCommand(code)) {
            EXPECT_EQ(1, code);
        }
    }
}

TEST(DeviceChangeWatcher, NameIsReadNoFurtherThanTheBroadcastSize) {
    RelayCommandQueue queue;
    DeviceChangeWatcher watcher(queue);
    std::vector<unsigned char> broadcast = InterfaceBroadcast(DBT_DEVTYP_DEVICEINTERFACE, kDisplayUsb);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(broadcast.data());
    // Cut the size to end before the product id: the ids are then not in the name.
    header->dbcc_size =
        static_cast<DWORD>(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + 20 * sizeof(wchar_t));
    watcher.OnDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(broadcast.data()));
    EXPECT_EQ(0u, queue.Size());
    watcher.OnDeviceChange(DBT_DEVICEARRIVAL, 0);
    EXPECT_EQ(0u, queue.Size());
}

TEST(DeviceChangeWatcher, InterfaceThatCannotBeOpenedIsNoVendorCollection) {
    EXPECT_FALSE(DeviceChangeWatcher::IsDisplayVendorInterface(kDisplayLower));
}

TEST(DeviceChangeWatcher, RegistrationsEndWithTheWatcher) {
    HWND window = CreateWindowExW(0, L"STATIC", L"device changes", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    long before = KernelHandleCount::Live();
    {
        RelayCommandQueue queue;
        DeviceChangeWatcher watcher(queue);
        watcher.RegisterDeviceChangeNotifications(window);
        EXPECT_LE(watcher.RegistrationCount(), 4u);
        EXPECT_EQ(before + static_cast<long>(watcher.RegistrationCount()), KernelHandleCount::Live());
    }
    EXPECT_EQ(before, KernelHandleCount::Live());
    DestroyWindow(window);
}

} // namespace
