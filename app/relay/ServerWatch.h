// Restarts a server that has not come up during the first minute. Run on each tick of the main window's
// 5000 ms watch timer; after its twelfth tick it asks for the timer to be killed, unless it was given a
// way to see the server's process: then it keeps going and starts the server again whenever that process
// has gone, since a record left behind by a crashed server shows its last value forever.
#pragma once

#include <functional>

#include "relay/TemperatureRecord.h"

class ServerWatch {
public:
    // serverRunning may be empty: the watch then ends after the first minute.
    ServerWatch(const TemperatureRecord& record, std::function<void()> startServer,
                std::function<bool()> serverRunning = nullptr);

    // First minute: starts the server when its status value is 0.0 or less. A tick without a mapped
    // record only counts: the first device refresh may still be queued behind a slow update check, and
    // starting a second server then would do no good. Later: starts it when its process is gone. True
    // when the timer should be killed.
    bool OnTimerTick();

private:
    static constexpr int kLastTick = 10;

    bool WatchFirstMinute();
    void WatchProcess();

    const TemperatureRecord& m_record;
    std::function<void()> m_startServer;
    std::function<bool()> m_serverRunning;
    int m_ticks = 0;
};
