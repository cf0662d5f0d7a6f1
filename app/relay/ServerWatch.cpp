#include "relay/ServerWatch.h"

#include <utility>

ServerWatch::ServerWatch(const TemperatureRecord& record, std::function<void()> startServer)
    : m_record(record), m_startServer(std::move(startServer)) {}

bool ServerWatch::OnTimerTick() {
    float status = 0.0f;
    if (m_record.ReadServerStatus(status) && status <= 0.0f)
        m_startServer();
    int taken = m_ticks++;
    return taken > kLastTick;
}
