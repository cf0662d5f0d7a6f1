// Restarts a server that has not come up during the first minute. Run on each tick of the main window's
// 5000 ms watch timer; after its twelfth tick it asks for the timer to be killed.
#pragma once

#include <functional>

#include "relay/TemperatureRecord.h"

class ServerWatch {
public:
    ServerWatch(const TemperatureRecord& record, std::function<void()> startServer);

    // Starts the server when its status value is 0.0 or less. A tick without a mapped record only counts:
    // the first device refresh may still be queued behind a slow update check, and starting a second
    // server then would do no good. True when the timer should be killed.
    bool OnTimerTick();

private:
    static constexpr int kLastTick = 10;

    const TemperatureRecord& m_record;
    std::function<void()> m_startServer;
    int m_ticks = 0;
};
