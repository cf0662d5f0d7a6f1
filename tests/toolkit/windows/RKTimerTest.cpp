// Named multimedia timers: real timeSetEvent ticks on the system's timer thread, the record list, and
// stops that wait for a tick in flight.
#include <gtest/gtest.h>

#include <windows.h>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "windows/RKTimer.h"

using Vantix::CString;
using Vantix::RKTimer;

namespace {

// Long enough that a timer started with it never ticks during a test, short enough for every system.
const UINT kSilentDelay = 60000;

class RecordingTimer : public RKTimer {
public:
    ~RecordingTimer() override { KillTimer(); }

    void OnMTimer(UINT id, CString name) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_named.emplace_back(id, name);
    }

    int Ticks() const { return m_ticks.load(); }
    std::vector<std::pair<UINT, CString>> Named() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_named;
    }
    // Called on the timer thread at every tick, before the count goes up.
    std::function<void(UINT)> onTick;

protected:
    void OnMTimer(UINT id) override {
        if (onTick)
            onTick(id);
        ++m_ticks;
    }

private:
    std::atomic<int> m_ticks{0};
    mutable std::mutex m_mutex;
    std::vector<std::pair<UINT, CString>> m_named;
};

// Polls until the condition holds; false after a generous deadline (a loaded machine is slow, not wrong).
bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition())
            return true;
        ::Sleep(5);
    }
    return condition();
}

// A manual-reset event for hand-offs between the test and the timer thread.
class Signal {
public:
    Signal() : m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Signal() { ::CloseHandle(m_event); }
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    void Set() { ::SetEvent(m_event); }
    bool Wait() { return ::WaitForSingleObject(m_event, 5000) == WAIT_OBJECT_0; }

private:
    HANDLE m_event;
};

} // namespace

TEST(RKTimerTest, TicksUntilStoppedAndNotAfter) {
    RecordingTimer timer;
    UINT id = timer.SetTimer(5, L"", 0);
    ASSERT_NE(0u, id);
    ASSERT_TRUE(WaitUntil([&] { return timer.Ticks() >= 3; }));

    EXPECT_EQ(0, timer.KillTimer(id));
    int ticksAtStop = timer.Ticks();
    ::Sleep(100);
    EXPECT_EQ(ticksAtStop, timer.Ticks());
    EXPECT_EQ(0, timer.GetTimerIsRun(id));
}

TEST(RKTimerTest, NamedCallbackOnlyForApplicationTimers) {
    RecordingTimer timer;
    UINT plain = timer.SetTimer(5, L"", 0);
    UINT fan = timer.SetTimer(5, L"fan", 1);
    ASSERT_NE(0u, plain);
    ASSERT_NE(0u, fan);
    ASSERT_TRUE(WaitUntil([&] { return timer.Named().size() >= 3 && timer.Ticks() >= 8; }));
    timer.KillTimer();

    for (const auto& call : timer.Named()) {
        EXPECT_EQ(fan, call.first);
        EXPECT_EQ(CString(L"fan"), call.second);
    }
}

TEST(RKTimerTest, RecordsAnswerByIdAndName) {
    RecordingTimer timer;
    UINT first = timer.SetTimer(kSilentDelay, L"Fan", 1);
    UINT second = timer.SetTimer(kSilentDelay, L"Fan", 0);
    UINT other = timer.SetTimer(kSilentDelay, L"", 0);

    EXPECT_EQ(1, timer.IsAppTimer(first));
    EXPECT_EQ(0, timer.IsAppTimer(second));
    EXPECT_EQ(CString(L"Fan"), timer.GetTimerName(second));
    EXPECT_EQ(1, timer.GetTimerIsRun(CString(L"Fan")));
    EXPECT_EQ(0, timer.GetTimerIsRun(CString(L"fan")));
    EXPECT_EQ(&timer, RKTimer::GetFSTimer(other));

    const UINT unknown = other + first + second + 1000;
    EXPECT_EQ(3, timer.KillTimer(unknown));
    EXPECT_EQ(0, timer.IsAppTimer(unknown));
    EXPECT_TRUE(timer.GetTimerName(unknown).IsEmpty());
    EXPECT_EQ(nullptr, RKTimer::GetFSTimer(unknown));

    // Of two timers with the same name, the first one started goes.
    EXPECT_EQ(2, timer.KillTimer(CString(L"Fan")));
    EXPECT_EQ(0, timer.GetTimerIsRun(first));
    EXPECT_EQ(1, timer.GetTimerIsRun(second));
    EXPECT_EQ(2, timer.KillTimer(CString(L"fan")));
}

TEST(RKTimerTest, InstanceIsFoundOnlyWhileAlive) {
    UINT id = 0;
    {
        RecordingTimer timer;
        id = timer.SetTimer(kSilentDelay, L"", 0);
        RecordingTimer later;
        EXPECT_EQ(&timer, RKTimer::GetFSTimer(id));
    }
    EXPECT_EQ(nullptr, RKTimer::GetFSTimer(id));
}

TEST(RKTimerTest, ResolutionIsRaisedOnceAndLoweredWithTheLastInstance) {
    {
        RecordingTimer first;
        first.SetTimer(kSilentDelay, L"", 0);
        EXPECT_EQ(1, RKTimer::m_bIsTmierOK);
        EXPECT_GE(RKTimer::m_uAccuracy, 1u);
        {
            RecordingTimer second;
            second.SetTimer(kSilentDelay, L"", 0);
        }
        EXPECT_EQ(1, RKTimer::m_bIsTmierOK);
    }
    EXPECT_EQ(0, RKTimer::m_bIsTmierOK);
}

TEST(RKTimerTest, StopWaitsForTheTickInFlight) {
    RecordingTimer timer;
    Signal entered;
    std::atomic<bool> handlerDone{false};
    std::atomic<int> calls{0};
    timer.onTick = [&](UINT) {
        if (calls++ != 0)
            return;
        entered.Set();
        ::Sleep(200);
        handlerDone = true;
    };
    UINT id = timer.SetTimer(5, L"", 0);
    ASSERT_TRUE(entered.Wait());

    timer.KillTimer(id);
    EXPECT_TRUE(handlerDone.load());
}

TEST(RKTimerTest, DestroyedInstanceGetsNoTickInFlight) {
    Signal entered;
    std::atomic<bool> handlerDone{false};
    std::atomic<int> calls{0};
    auto timer = std::make_unique<RecordingTimer>();
    timer->onTick = [&](UINT) {
        if (calls++ != 0)
            return;
        entered.Set();
        ::Sleep(200);
        handlerDone = true;
    };
    timer->SetTimer(5, L"", 0);
    ASSERT_TRUE(entered.Wait());

    timer.reset();
    EXPECT_TRUE(handlerDone.load());
}

TEST(RKTimerTest, HandlerMayStopItsOwnTimer) {
    RecordingTimer timer;
    timer.onTick = [&](UINT id) { timer.KillTimer(id); };
    UINT id = timer.SetTimer(5, L"", 0);
    ASSERT_TRUE(WaitUntil([&] { return timer.GetTimerIsRun(id) == 0; }));
    ::Sleep(50);
    EXPECT_EQ(1, timer.Ticks());
}
