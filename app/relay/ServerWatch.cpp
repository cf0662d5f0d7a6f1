#include "relay/ServerWatch.h"

#include <utility>

ServerWatch::ServerWatch(const TemperatureRecord& record, std::function<void()> startServer,
                         std::function<bool()> serverRunning)
    : m_record(record), m_startServer(std::move(startServer)), m_serverRunning(std::move(serverRunning)) {}

bool ServerWatch::OnTimerTick() {
    if (m_ticks <= kLastTick + 1)
        return WatchFirstMinute() && !m_serverRunning;
    WatchProcess();
    return false;
}

bool ServerWatch::WatchFirstMinute() {
    float status = 0.0f;
    if (m_record.ReadServerStatus(status) && status <= 0.0f)
        m_startServer();
    int taken = m_ticks++;
    return taken > kLastTick;
}

void ServerWatch::WatchProcess() {
    if (!m_serverRunning())
        m_startServer();
}
