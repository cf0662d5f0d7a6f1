#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <windows.h>

#include "HidEmulatorControl.h"
#include "RecordWriter.h"
#include "TestRecordName.h"
#include "TestRelayThread.h"
#include "relay/CHidDeviceManager.h"

namespace {

const float kReading = 52.0f;

// The relay thread is never started: ticks run on the test thread and their one-second rest returns at
// once.
class RelayFaultTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsEmulator()) << "bin/hidapi.dll is not the display emulator";
        m_server.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, kReading);
    }
    void TearDown() override { CHidDeviceManager::Instance().CloseAllDevices(); }

    RelayWorker& Relay() { return m_thread.Relay(); }

    // The displays come back healthy and the next refresh and tick must reach them again.
    void ExpectRecovery() {
        ASSERT_TRUE(m_emulator.Configure("displays=2"));
        Relay().RefreshDevices();
        Relay().RelayTick();
        EXPECT_EQ(52, m_emulator.Shown(1));
        EXPECT_EQ(52, m_emulator.Shown(2));
    }

    HidEmulatorControl m_emulator;
    std::string m_recordName = TestRecordName("fault");
    RecordWriter m_server{m_recordName};
    TestRelayThread m_thread{m_recordName};
};

struct DisplayFault {
    const char* settings;
    int shownByFirst;  // -1: display 1 got no report
    int shownBySecond; // display 2 keeps working beside a broken display 1
};

const DisplayFault kDisplayFaults[] = {
    {"displays=2;refuse_open=1", -1, 52},
    {"displays=2;held=1", -1, 52},
    {"displays=2;fail_send=1", -1, 52},
    {"displays=2;gone=1", -1, 52},
    // Garbage answers to a firmware query do not stop temperature reports.
    {"displays=2;bad_reply=1", 52, 52},
    {"displays=2;refuse_open=all", -1, -1},
    {"displays=2;fail_send=all", -1, -1},
};

TEST_F(RelayFaultTest, BrokenDisplaysSpareTheOthersAndRecover) {
    for (const DisplayFault& fault : kDisplayFaults) {
        SCOPED_TRACE(fault.settings);
        ASSERT_TRUE(m_emulator.Configure(fault.settings));
        Relay().RefreshDevices();
        Relay().RelayTick();
        Relay().RelayTick();
        EXPECT_EQ(fault.shownByFirst, m_emulator.Shown(1));
        EXPECT_EQ(fault.shownBySecond, m_emulator.Shown(2));
        ExpectRecovery();
    }
}

TEST_F(RelayFaultTest, DisplayVanishingBetweenOpenAndSendIsSurvived) {
    ASSERT_TRUE(m_emulator.Configure("displays=2"));
    Relay().RefreshDevices();
    ASSERT_TRUE(m_emulator.Unplug(1));
    Relay().RelayTick();
    Relay().RelayTick();
    EXPECT_EQ(52, m_emulator.Shown(2));
    ExpectRecovery();
}

// A display unplugged and plugged in again while the relay runs (the emulator's presence file, as the soak
// uses it): the other keeps its reports, and the next refresh reaches the returned one.
TEST_F(RelayFaultTest, AnUnpluggedDisplayIsReachedAgainAfterTheNextRefresh) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string presence = std::string(folder) + "presence-" + std::to_string(GetCurrentProcessId());
    auto plugged = [&presence](const char* displays) {
        std::ofstream(presence.c_str(), std::ios::trunc) << displays;
    };
    plugged("1,2");
    ASSERT_TRUE(m_emulator.Configure(("displays=2;presence=" + presence).c_str()));
    Relay().RefreshDevices();
    plugged("1");
    Relay().RelayTick();
    EXPECT_EQ(52, m_emulator.Shown(1));
    EXPECT_EQ(-1, m_emulator.Shown(2));
    plugged("1,2");
    Relay().RefreshDevices();
    Relay().RelayTick();
    EXPECT_EQ(52, m_emulator.Shown(2));
    DeleteFileA(presence.c_str());
}

// Words a torn or broken server write leaves behind, changing all the time the relay reads them: every
// report that reaches a display is still three digits.
TEST_F(RelayFaultTest, RecordChangingWhileReadNeverSendsNonDigits) {
    ASSERT_TRUE(m_emulator.Configure("displays=1"));
    Relay().RefreshDevices();
    std::atomic<bool> writing{true};
    std::thread scribbler([this, &writing] {
        uint32_t state = 0x12345678u;
        while (writing.load()) {
            state = state * 1664525u + 1013904223u;
            m_server.WriteBits(TemperatureRecord::kCpuTemperatureOffset, state);
            m_server.WriteBits(TemperatureRecord::kServerStatusOffset, state >> 7);
        }
    });
    for (int tick = 0; tick < 3000; ++tick) {
        Relay().RelayTick();
        if (m_emulator.Shown(1) == -2)
            break;
    }
    writing.store(false);
    scribbler.join();
    EXPECT_NE(-2, m_emulator.Shown(1));
    EXPECT_GT(m_emulator.ReportCount(1), 0);
    m_server.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, kReading);
    Relay().RelayTick();
    EXPECT_EQ(52, m_emulator.Shown(1));
}

} // namespace
