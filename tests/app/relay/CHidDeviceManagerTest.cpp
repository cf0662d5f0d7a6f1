#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <windows.h>

#include "HidEmulatorControl.h"
#include "relay/CHidDeviceManager.h"
#include "relay/TemperatureReport.h"

namespace {

class CHidDeviceManagerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsEmulator()) << "bin/hidapi.dll is not the display emulator";
    }

    // What a device-refresh command does.
    void Refresh(const std::string& settings) {
        ASSERT_TRUE(m_emulator.Configure(settings));
        m_devices.ClearDeviceFilters();
        m_devices.AddDeviceFilter(L"", 1);
        m_devices.CloseAllDevices();
        m_devices.OpenMatchingDevices();
        m_devices.SetActive(true);
    }

    bool SendDigits(int value) { return m_devices.SendReportToAll(TemperatureReport::Build(value).data()); }

    HidEmulatorControl m_emulator;
    CHidDeviceManager& m_devices = CHidDeviceManager::Instance();
};

TEST_F(CHidDeviceManagerTest, TwoDisplaysBothReceiveEveryReport) {
    Refresh("displays=2");
    EXPECT_EQ(2, m_devices.GetDeviceCount());
    EXPECT_EQ(2, m_emulator.OpenHandles()) << "only the vendor collections stay open";
    EXPECT_TRUE(SendDigits(45));
    EXPECT_TRUE(SendDigits(46));
    for (int display = 1; display <= 2; ++display) {
        EXPECT_EQ(2, m_emulator.ReportCount(display));
        EXPECT_EQ(46, m_emulator.Shown(display));
        EXPECT_EQ(65u, m_emulator.Report(display, 0).size());
    }
}

TEST_F(CHidDeviceManagerTest, RefreshReopensInsteadOfAdding) {
    Refresh("displays=2");
    Refresh("displays=2");
    EXPECT_EQ(2, m_devices.GetDeviceCount());
    EXPECT_EQ(2, m_emulator.OpenHandles());
}

TEST_F(CHidDeviceManagerTest, DisplayThatFailsToOpenIsLeftOut) {
    Refresh("displays=2;refuse_open=1");
    EXPECT_EQ(1, m_devices.GetDeviceCount());
    SendDigits(52);
    EXPECT_EQ(-1, m_emulator.Shown(1));
    EXPECT_EQ(52, m_emulator.Shown(2));
}

TEST_F(CHidDeviceManagerTest, VendorCollectionHeldElsewhereGivesEmptyList) {
    Refresh("displays=1;held=1");
    EXPECT_EQ(0, m_devices.GetDeviceCount());
    EXPECT_EQ(0, m_emulator.OpenHandles());
    EXPECT_TRUE(SendDigits(40)) << "sending to no display still succeeds";
    int version = -1;
    EXPECT_FALSE(m_devices.QueryFirmwareVersion(version));
    EXPECT_EQ(-1, version);
}

TEST_F(CHidDeviceManagerTest, FailedSendsDoNotKeepOthersFromTheReport) {
    Refresh("displays=2;fail_send=1");
    EXPECT_TRUE(SendDigits(63));
    EXPECT_EQ(0, m_emulator.ReportCount(1));
    EXPECT_EQ(63, m_emulator.Shown(2));
}

TEST_F(CHidDeviceManagerTest, InactiveManagerSendsNothing) {
    Refresh("displays=1");
    m_devices.CloseAllDevices();
    EXPECT_EQ(0, m_devices.GetDeviceCount());
    EXPECT_FALSE(SendDigits(41));
    EXPECT_EQ(0, m_emulator.ReportCount(1));
}

TEST_F(CHidDeviceManagerTest, FirmwareQueryReadsBigEndianReply) {
    Refresh("displays=2;firmware=0x0215");
    int version = 0;
    ASSERT_TRUE(m_devices.QueryFirmwareVersion(version));
    EXPECT_EQ(0x0215, version);
    EXPECT_EQ(1, m_emulator.ReadCount(1));
    EXPECT_EQ(0, m_emulator.ReportCount(2)) << "only the first display is asked";
    std::vector<unsigned char> request = m_emulator.Report(1, 0);
    ASSERT_EQ(64u, request.size());
    EXPECT_EQ(0x07, request[0]);
    EXPECT_EQ(0xFD, request[1]);
}

TEST_F(CHidDeviceManagerTest, FirmwareQueryWithBadReplyOnBothReadsStillSucceeds) {
    Refresh("displays=1;firmware=0x0103;bad_reply=1");
    int version = 0;
    ASSERT_TRUE(m_devices.QueryFirmwareVersion(version));
    EXPECT_EQ(0x0103, version);
    EXPECT_EQ(2, m_emulator.ReadCount(1));
}

TEST_F(CHidDeviceManagerTest, FirmwareQueryThatCannotBeSentFails) {
    Refresh("displays=1;fail_send=1");
    int version = 7;
    EXPECT_FALSE(m_devices.QueryFirmwareVersion(version));
    EXPECT_EQ(7, version);
}

TEST_F(CHidDeviceManagerTest, LongDevicePathIsCutAndTheDisplayUsed) {
    Refresh("displays=1;long_path=1");
    ASSERT_EQ(1, m_devices.GetDeviceCount());
    const HidDeviceEntry* entry = m_devices.GetDevice(0);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(HidDeviceEntry::kMaxPathLength, entry->Path().size());
    SendDigits(57);
    EXPECT_EQ(57, m_emulator.Shown(1));
}

TEST_F(CHidDeviceManagerTest, EntryDescribesTheDisplay) {
    Refresh("displays=2;no_product=2");
    ASSERT_EQ(2, m_devices.GetDeviceCount());
    const HidDeviceEntry* first = m_devices.GetDevice(0);
    const HidDeviceEntry* second = m_devices.GetDevice(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(0, first->Position());
    EXPECT_EQ(1, second->Position());
    EXPECT_EQ(CHidDeviceManager::kVendorId, first->VendorId());
    EXPECT_EQ(CHidDeviceManager::kProductId, first->ProductId());
    EXPECT_FALSE(first->ProductString().empty());
    EXPECT_TRUE(second->ProductString().empty()) << "a failed product read leaves the string empty";
}

TEST_F(CHidDeviceManagerTest, DisplayThatWentAwayIsDroppedAtTheNextRefresh) {
    Refresh("displays=2");
    ASSERT_TRUE(m_emulator.Unplug(1));
    EXPECT_TRUE(SendDigits(48));
    EXPECT_EQ(48, m_emulator.Shown(2));
    m_devices.CloseAllDevices();
    m_devices.OpenMatchingDevices();
    m_devices.SetActive(true);
    EXPECT_EQ(1, m_devices.GetDeviceCount());
}

TEST_F(CHidDeviceManagerTest, EmulatorLogsWhatEachDisplayShows) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "hidemu_" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(path.c_str());
    Refresh("displays=2;log=" + path);
    SendDigits(45);
    SendDigits(7);
    int version = 0;
    m_devices.QueryFirmwareVersion(version);
    std::string logged;
    if (FILE* log = std::fopen(path.c_str(), "rb")) {
        char buffer[512] = {};
        logged.assign(buffer, std::fread(buffer, 1, sizeof(buffer), log));
        std::fclose(log);
    }
    DeleteFileA(path.c_str());
    EXPECT_EQ("display 1: 045\ndisplay 2: 045\ndisplay 1: 007\ndisplay 2: 007\ndisplay 1: firmware query\n",
              logged);
}

} // namespace
