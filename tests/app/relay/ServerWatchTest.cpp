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

} // namespace
