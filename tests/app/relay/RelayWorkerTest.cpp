#include <gtest/gtest.h>

#include <vector>

#include "HidEmulatorControl.h"
#include "RecordWriter.h"
#include "TestRecordName.h"
#include "TestRelayThread.h"
#include "core/Manager.h"
#include "relay/CHidDeviceManager.h"
#include "relay/RelayCommands.h"

namespace {

class RecordingHandler : public RelayCommandHandler {
public:
    void CheckSoftwareUpdate(bool manual) override {
        calls.push_back(manual ? "software manual" : "software auto");
    }
    void CheckFirmwareUpdate(bool manual) override {
        calls.push_back(manual ? "firmware manual" : "firmware auto");
    }
    void DownloadSoftware() override { calls.push_back("software download"); }
    void DownloadFirmware() override { calls.push_back("firmware download"); }

    std::vector<std::string> calls;
};

// The thread is never started: steps run on the test thread and the one-second rest returns at once.
class RelayWorkerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsEmulator()) << "bin/hidapi.dll is not the display emulator";
        ASSERT_TRUE(m_emulator.Configure("displays=2"));
        m_thread.Relay().SetCommandHandler(&m_handler);
        Vantix::Manager::SetCPUTemp(0.0f);
    }

    RelayWorker& Relay() { return m_thread.Relay(); }

    HidEmulatorControl m_emulator;
    std::string m_recordName = TestRecordName("worker");
    TestRelayThread m_thread{m_recordName};
    RecordingHandler m_handler;
};

TEST_F(RelayWorkerTest, EachStepRunsOneCommandThenTicksResume) {
    Relay().QueueCommand(kCommandManualSoftwareCheck);
    Relay().QueueCommand(kCommandRefreshDevices);
    RecordWriter server(m_recordName);
    server.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, 45.7f);

    Relay().RunStep();
    EXPECT_EQ(std::vector<std::string>{"software manual"}, m_handler.calls);
    EXPECT_FALSE(Relay().Record().IsMapped());
    EXPECT_EQ(1u, Relay().Queue().Size());

    Relay().RunStep();
    EXPECT_TRUE(Relay().Record().IsMapped());
    EXPECT_EQ(2, CHidDeviceManager::Instance().GetDeviceCount());
    EXPECT_EQ(-1, m_emulator.Shown(1)) << "a refresh step must not tick as well";

    Relay().RunStep();
    EXPECT_EQ(45, m_emulator.Shown(1));
    EXPECT_EQ(45, m_emulator.Shown(2));
    EXPECT_EQ(45.0f, Vantix::Manager::GetCPUTemp());
    EXPECT_EQ(1u, m_handler.calls.size());
}

TEST_F(RelayWorkerTest, UnknownCodesAreConsumedWithoutEffect) {
    Relay().QueueCommand(2);
    Relay().QueueCommand(9);
    Relay().RunStep();
    Relay().RunStep();
    EXPECT_EQ(0u, Relay().Queue().Size());
    EXPECT_TRUE(m_handler.calls.empty());
    EXPECT_FALSE(Relay().Record().IsMapped());
}

TEST_F(RelayWorkerTest, MaintenanceCommandsReachTheirHandler) {
    static const struct {
        int code;
        const char* call;
    } kCases[] = {
        {kCommandManualSoftwareCheck, "software manual"}, {kCommandManualFirmwareCheck, "firmware manual"},
        {kCommandAutoSoftwareCheck, "software auto"},     {kCommandAutoFirmwareCheck, "firmware auto"},
        {kCommandSoftwareDownload, "software download"},  {kCommandFirmwareDownload, "firmware download"},
    };
    for (const auto& c : kCases) {
        m_handler.calls.clear();
        Relay().QueueCommand(c.code);
        Relay().RunStep();
        EXPECT_EQ(std::vector<std::string>{c.call}, m_handler.calls) << "code " << c.code;
    }
}

TEST_F(RelayWorkerTest, ZeroReadingSendsNothing) {
    RecordWriter server(m_recordName);
    Relay().RefreshDevices();
    Relay().RelayTick();
    EXPECT_EQ(0, m_emulator.ReportCount(1));
    EXPECT_EQ(0.0f, Vantix::Manager::GetCPUTemp());
}

TEST_F(RelayWorkerTest, TickSendsInTheChosenUnit) {
    RecordWriter server(m_recordName);
    server.WriteFloat(TemperatureRecord::kCpuTemperatureOffset, 30.0f);
    Relay().RefreshDevices();
    Relay().SetTemperatureUnit(1);
    Relay().RelayTick();
    EXPECT_EQ(86, m_emulator.Shown(1));
    std::vector<unsigned char> report = m_emulator.Report(2, 0);
    ASSERT_EQ(65u, report.size());
    EXPECT_EQ(0x07, report[0]);
    EXPECT_EQ(0xFF, report[1]);
    EXPECT_EQ(0xFF, report[2]);
    EXPECT_EQ(86.0f, Vantix::Manager::GetCPUTemp());
}

TEST_F(RelayWorkerTest, TickWithoutRecordDoesNothing) {
    Relay().RelayTick();
    EXPECT_EQ(0, m_emulator.ReportCount(1));
}

// Words a server caught half-way (or a broken one) may leave at offset 152.
TEST_F(RelayWorkerTest, OddWordsInTheRecordNeverReachTheDisplayAsNonDigits) {
    static const uint32_t kWords[] = {0x7FC00000, 0xFFC00000, 0x7F800000, 0xFF800000, 0x80000000,
                                      0x00000001, 0xC2C80000, 0x4F000000, 0xCF000000, 0xFFFFFFFF};
    RecordWriter server(m_recordName);
    Relay().RefreshDevices();
    for (uint32_t word : kWords) {
        server.WriteBits(TemperatureRecord::kCpuTemperatureOffset, word);
        Relay().RelayTick();
        EXPECT_NE(-2, m_emulator.Shown(1)) << std::hex << word;
    }
}

} // namespace
