// The control host torn down while other threads still use it: high-resolution ticks that make
// controls ask for repaints, and another thread asking for repaints, while the window is destroyed.
// Neither may deadlock nor reach a deleted control.
#include <gtest/gtest.h>

#include <windows.h>
#include <atomic>
#include <thread>

#include "support/HostWindow.h"

using Vantix::CRect;

namespace {

// Asks the host for repaints in a loop until told to stop.
class RepaintThread {
public:
    RepaintThread(Vantix::PaintManager& host, Vantix::MControl& control)
        : m_thread([this, &host, &control] {
              while (!m_stop) {
                  host.OnControlUpdate(CRect(0, 0, 200, 100), 1, &control);
                  ++requests;
              }
              m_ended = true;
          }) {}
    // False when the thread did not finish in time (a deadlock).
    bool Stop() {
        m_stop = true;
        for (int wait = 0; wait < 500 && !m_ended; ++wait)
            ::Sleep(10);
        const bool ended = m_ended;
        if (ended)
            m_thread.join();
        else
            m_thread.detach();
        return ended;
    }

    std::atomic<int> requests{0};

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ended{false};
    std::thread m_thread;
};

// Every tick invalidates the window, so there is always a paint to dispatch: the clock decides.
void PumpFor(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        else
            ::Sleep(1);
    }
}

} // namespace

TEST(PaintManagerTeardown, TicksAndRepaintRequestsFromOtherThreadsSurviveTheWindowsEnd) {
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        ControlLife lives[3];
        RecordingControl outsider(nullptr, 99, CRect(0, 0, 10, 10)); // belongs to the test, not the host
        {
            HostWindow window(CRect(100, 100, 400, 300));
            Vantix::PaintManager& host = window.Host();
            window.Add(0, 1, CRect(0, 0, 300, 200));
            for (int i = 0; i < 3; ++i) {
                RecordingControl* ticking = window.Add(1, 10 + i, CRect(10 * i, 0, 10 * i + 50, 50));
                ticking->life = &lives[i];
                ticking->updateOnTick = 1;
                ticking->AddMTimer();
            }
            ASSERT_NE(0u, host.SetMTimer(1));
            RepaintThread repaints(host, outsider);
            PumpFor(100);
            window.Destroy();
            PumpFor(50);
            ASSERT_TRUE(repaints.Stop()) << "the repaint thread hangs";
            EXPECT_GT(repaints.requests, 0);
        }
        for (const ControlLife& life : lives) {
            EXPECT_TRUE(life.destroyed);
            EXPECT_EQ(0, life.ticksAfterDestroy);
        }
    }
}

TEST(PaintManagerTeardown, ARemovedControlGetsNoMoreTicks) {
    HostWindow window;
    ControlLife life;
    RecordingControl* ticking = window.Add(1, 1, CRect(0, 0, 50, 50));
    RecordingControl* staying = window.Add(1, 2, CRect(60, 0, 100, 50));
    ticking->life = &life;
    ticking->updateOnTick = 1;
    ticking->AddMTimer();
    staying->AddMTimer();
    ASSERT_NE(0u, window.Host().SetMTimer(1));
    PumpFor(50);
    EXPECT_GT(ticking->ticks, 0);
    window.Host().RemoveControl(ticking);
    const int before = staying->ticks;
    PumpFor(50);
    EXPECT_GT(staying->ticks, before);
    EXPECT_TRUE(life.destroyed);
    EXPECT_EQ(0, life.ticksAfterDestroy);
}

TEST(PaintManagerTeardown, ARemovedControlsWindowTimersStop) {
    HostWindow window;
    ControlLife life;
    RecordingControl* timed = window.Add(1, 1, CRect(0, 0, 50, 50));
    timed->life = &life;
    ASSERT_EQ(1, window.Host().SetTimer(timed, 5, 5));
    PumpFor(60);
    EXPECT_GT(timed->ticks, 0);
    window.Host().RemoveControl(timed);
    PumpFor(60);
    EXPECT_TRUE(life.destroyed);
    EXPECT_EQ(0, life.ticksAfterDestroy);
}
