// The relay's work, one unit per worker step: the oldest queued command, or, with the queue empty, the
// relay tick that takes the reading from the shared record to the main window and to every display. The
// main window owns one, forwards its RunStep here and fills in the command handler and the window.
#pragma once

#include <atomic>

#include "relay/CThreadBasic.h"
#include "relay/RelayCommandHandler.h"
#include "relay/RelayCommandQueue.h"
#include "relay/TemperatureRecord.h"

namespace Vantix {
class MWindow;
}

class RelayWorker {
public:
    static constexpr DWORD kTickRestMs = 1000;

    // thread: the worker thread whose steps run here, borrowed; its rest is cut short by Stop.
    explicit RelayWorker(CThreadBasic& thread, const char* recordName = TemperatureRecord::kDefaultName);

    // Borrowed; null leaves commands 3 to 8 without effect.
    void SetCommandHandler(RelayCommandHandler* handler) { m_handler.store(handler); }
    // Borrowed; invalidated after each tick, may be null.
    void SetWindow(Vantix::MWindow* window) { m_window.store(window); }
    // 0 Celsius, 1 Fahrenheit; written by the window thread, read once per tick.
    void SetTemperatureUnit(int unit) { m_unit.store(unit); }
    int GetTemperatureUnit() const { return m_unit.load(); }

    void QueueCommand(int code) { m_queue.QueueCommand(code); }
    RelayCommandQueue& Queue() { return m_queue; }
    const TemperatureRecord& Record() const { return m_record; }

    // A step runs one command or one tick, never both.
    void RunStep();
    // Command 1: reopens every display and maps the record if that has not succeeded yet.
    void RefreshDevices();
    // Returns at once while there is no reading; otherwise shows and sends it, then rests a second.
    void RelayTick();

private:
    void RunCommand(int code);
    void InvalidateWindow();

    CThreadBasic& m_thread;
    RelayCommandQueue m_queue;
    TemperatureRecord m_record;
    std::atomic<RelayCommandHandler*> m_handler{nullptr};
    std::atomic<Vantix::MWindow*> m_window{nullptr};
    std::atomic<int> m_unit{0};
};
