#include <gtest/gtest.h>

#include "RecordWriter.h"
#include "TestRecordName.h"
#include "relay/ServerWatch.h"

namespace {

// Ticks the watch until it asks for its timer to be killed; returns the number of ticks taken.
int TicksUntilKilled(ServerWatch& watch) {
    for (int tick = 1; tick <= 100; ++tick) {
        if (watch.OnTimerTick())
            return tick;
    }
    return -1;
}

struct WatchCase {
    const char* name;
    bool mapped;
    float status;
    int starts;
};

const WatchCase kWatchCases[] = {
    {"server never came up", true, 0.0f, 12},
    {"negative status", true, -1.0f, 12},
    {"server running", true, 1.0f, 0},
    {"record not mapped yet", false, 0.0f, 0},
};

TEST(ServerWatch, StartsASilentServerOnEachOfItsTwelveTicks) {
    for (const WatchCase& c : kWatchCases) {
        SCOPED_TRACE(c.name);
        std::string name = TestRecordName("watch");
        RecordWriter server(name);
        server.WriteFloat(TemperatureRecord::kServerStatusOffset, c.status);
        TemperatureRecord record(name.c_str());
        if (c.mapped) {
            ASSERT_TRUE(record.MapTemperatureRecord());
        }
        int starts = 0;
        ServerWatch watch(record, [&starts] { ++starts; });
        EXPECT_EQ(12, TicksUntilKilled(watch));
        EXPECT_EQ(c.starts, starts);
    }
}

struct LaterCase {
    const char* name;
    bool running;
    int laterStarts;
};

const LaterCase kLaterCases[] = {
    {"server process gone", false, 5},
    {"server process still there", true, 0},
};

// After the first minute a watch that can see the server's process keeps going, and only the process
// decides: the record of a crashed server still holds a good status and a frozen reading.
TEST(ServerWatch, AfterTheFirstMinuteRestartsAVanishedServer) {
    for (const LaterCase& c : kLaterCases) {
        SCOPED_TRACE(c.name);
        std::string name = TestRecordName("later");
        RecordWriter server(name);
        server.WriteFloat(TemperatureRecord::kServerStatusOffset, 1.0f);
        TemperatureRecord record(name.c_str());
        ASSERT_TRUE(record.MapTemperatureRecord());
        int starts = 0;
        int looks = 0;
        ServerWatch watch(
            record, [&starts] { ++starts; },
            [&looks, &c] {
                ++looks;
                return c.running;
            });
        for (int tick = 1; tick <= 12; ++tick)
            EXPECT_FALSE(watch.OnTimerTick()) << "tick " << tick;
        EXPECT_EQ(0, starts);
        EXPECT_EQ(0, looks);
        for (int tick = 13; tick <= 17; ++tick)
            EXPECT_FALSE(watch.OnTimerTick()) << "tick " << tick;
        EXPECT_EQ(5, looks);
        EXPECT_EQ(c.laterStarts, starts);
    }
}

} // namespace
