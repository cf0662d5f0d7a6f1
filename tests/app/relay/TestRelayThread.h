// A worker thread that runs RelayWorker steps, as the main window does with its own CThreadBasic part.
#pragma once

#include <string>

#include "relay/CThreadBasic.h"
#include "relay/RelayWorker.h"

class TestRelayThread : public CThreadBasic {
public:
    explicit TestRelayThread(const std::string& recordName) : m_relay(*this, recordName.c_str()) {}
    ~TestRelayThread() override { WaitUntilEnded(); }

    RelayWorker& Relay() { return m_relay; }

protected:
    void RunStep() override { m_relay.RunStep(); }

private:
    RelayWorker m_relay;
};
