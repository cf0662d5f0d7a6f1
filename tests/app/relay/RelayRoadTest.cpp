// The whole road of a reading: the server simulator writes the record, a running relay worker reads it
// and the display emulator shows it on both displays.
#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>

#include "HidEmulatorControl.h"
#include "ProbexaProcess.h"
#include "RecordWriter.h"
#include "TestRecordName.h"
#include "TestRelayThread.h"
#include "relay/CHidDeviceManager.h"
#include "relay/RelayCommands.h"
#include "shell/KernelHandleCount.h"

namespace {

class RelayRoadTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_emulator.IsEmulator()) << "bin/hidapi.dll is not the display emulator";
        ASSERT_TRUE(m_emulator.Configure("displays=2"));
    }

    bool BothShow(int value) const { return m_emulator.Shown(1) == value && m_emulator.Shown(2) == value; }

    // Milliseconds from the moment the record holds celsius until both displays show value.
    long long DeliveryTime(const RecordWriter& record, float celsius, int value) {
        if (!WaitUntil([&] { return record.ReadFloat(TemperatureRecord::kCpuTemperatureOffset) == celsius; },
                       10000))
            return -1;
        unsigned long long written = GetTickCount64();
        if (!WaitUntil([&] { return BothShow(value); }, 2000))
            return -1;
        return static_cast<long long>(GetTickCount64() - written);
    }

    // The simulator's trace: 61.7, then 47.2, each for its interval.
    static std::string TraceFile() {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        std::string path =
            std::string(folder) + "road_trace_" + std::to_string(GetCurrentProcessId()) + ".txt";
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fputs("61.7\r\n47.2\r\n", file);
            std::fclose(file);
        }
        return path;
    }

    HidEmulatorControl m_emulator;
    std::string m_recordName = TestRecordName("road");
};

TEST_F(RelayRoadTest, SimulatorReadingReachesBothDisplaysWithinTwoSeconds) {
    long handlesBefore = KernelHandleCount::Live();
    {
        TestRelayThread worker(m_recordName);
        worker.Relay().QueueCommand(kCommandRefreshDevices);
        worker.Start();
        ASSERT_TRUE(WaitUntil([&] { return worker.Relay().Record().IsMapped(); }, 5000));
        EXPECT_EQ(2, CHidDeviceManager::Instance().GetDeviceCount());
        RecordWriter record(m_recordName);

        // A trace: the first value arrives while the worker polls, the second while it ticks.
        ProbexaProcess::UseSettings("record=" + m_recordName + "\r\nmode=trace\r\ntrace=" + TraceFile() +
                                    "\r\ninterval_ms=2500\r\n");
        ProbexaProcess server;
        ASSERT_TRUE(server.Start());
        long long first = DeliveryTime(record, 61.7f, 61);
        EXPECT_GE(first, 0) << "61 did not reach both displays within 2 s of the write";
        long long second = DeliveryTime(record, 47.2f, 47);
        EXPECT_GE(second, 0) << "47 did not reach both displays within 2 s of the write";
        std::cout << "write to both displays: first reading " << first << " ms, change while ticking "
                  << second << " ms\n";
        EXPECT_TRUE(worker.Stop());
    }
    EXPECT_EQ(handlesBefore, KernelHandleCount::Live());
}

} // namespace
