// Control timers multiplexed over the host window (each system id reaches its own control), their
// id sequence, re-arming and removal, and the high-resolution ticks.
#include <gtest/gtest.h>

#include <windows.h>
#include <vector>

#include "PaintTestControls.h"
#include "support/HostWindow.h"

using Vantix::CRect;

namespace {

// Long enough never to fire during a test: ticks come from the WM_TIMER the test sends.
const UINT kNeverMs = 600000;

int TickOf(RecordingControl* control) {
    return control->ticks.load();
}

} // namespace

TEST(PaintManagerTimers, TimersOfSeveralControlsFireWithTheirOwnIds) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* fast = window.Add(1, 1, CRect(0, 0, 10, 10));
    RecordingControl* slow = window.Add(1, 2, CRect(10, 0, 20, 10));
    ASSERT_EQ(1, host.SetTimer(fast, 5, 20));
    ASSERT_EQ(1, host.SetTimer(slow, 5, 40));
    PumpMessages(400);
    EXPECT_GT(TickOf(fast), 2);
    EXPECT_GT(TickOf(slow), 1);
    EXPECT_GT(TickOf(fast), TickOf(slow));

    ASSERT_EQ(1, host.KillTimer(fast, 5));
    PumpMessages(30); // a tick already queued may still arrive
    fast->ticks = 0;
    slow->ticks = 0;
    PumpMessages(200);
    EXPECT_EQ(0, TickOf(fast));
    EXPECT_GT(TickOf(slow), 0);
}

TEST(PaintManagerTimers, IdsStartAt17SkipTheHostsOwnAndWrapAt240) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    std::vector<RecordingControl*> controls;
    for (int i = 0; i < 222; ++i) {
        controls.push_back(window.Add(1, 100 + i, CRect(0, 0, 1, 1)));
        ASSERT_EQ(1, host.SetTimer(controls.back(), 7, kNeverMs)) << "timer " << i + 1;
    }
    struct Case {
        int nth;
        UINT id;
    };
    // 66, 88 and 99 belong to the message overlay and are never given to a control.
    static const Case cases[] = {{1, 17},  {49, 65},  {50, 67},   {70, 87}, {71, 89},
                                 {80, 98}, {81, 100}, {220, 239}, {221, 0}, {222, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "timer " << c.nth << ", id " << c.id);
        RecordingControl* control = controls[c.nth - 1];
        const int before = TickOf(control);
        window.Send(WM_TIMER, c.id, 0);
        EXPECT_EQ(before + 1, TickOf(control));
    }
    int total = 0;
    for (RecordingControl* control : controls)
        total += TickOf(control);
    window.Send(WM_TIMER, 66, 0);
    window.Send(WM_TIMER, 240, 0);
    int after = 0;
    for (RecordingControl* control : controls)
        after += TickOf(control);
    EXPECT_EQ(total, after) << "no control timer answers 66 or 240";
}

TEST(PaintManagerTimers, ASecondSetTimerIsRefusedUntilKilledThenReArmsTheSameId) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* control = window.Add(1, 1, CRect(0, 0, 10, 10));
    EXPECT_EQ(1, host.SetTimer(control, 5, kNeverMs));
    EXPECT_EQ(0, host.SetTimer(control, 5, kNeverMs));
    EXPECT_EQ(1, host.KillTimer(control, 5));
    EXPECT_EQ(0, host.KillTimer(control, 5)) << "already killed";
    window.Send(WM_TIMER, 17, 0);
    EXPECT_EQ(0, TickOf(control)) << "a killed timer reaches nobody";
    EXPECT_EQ(1, host.SetTimer(control, 5, kNeverMs));
    window.Send(WM_TIMER, 17, 0);
    EXPECT_EQ(1, TickOf(control));
    EXPECT_EQ(1, host.SetTimer(control, 6, kNeverMs)) << "another key of the same control";
    window.Send(WM_TIMER, 18, 0);
    EXPECT_EQ(2, TickOf(control));
}

TEST(PaintManagerTimers, KillingAllTimersOfAControlLeavesTheOthers) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* first = window.Add(1, 1, CRect(0, 0, 10, 10));
    RecordingControl* second = window.Add(1, 2, CRect(10, 0, 20, 10));
    ASSERT_EQ(1, host.SetTimer(first, 1, kNeverMs));  // 17
    ASSERT_EQ(1, host.SetTimer(second, 1, kNeverMs)); // 18
    ASSERT_EQ(1, host.SetTimer(first, 2, kNeverMs));  // 19
    host.KillTimer(first);
    for (UINT id : {17u, 18u, 19u})
        window.Send(WM_TIMER, id, 0);
    EXPECT_EQ(0, TickOf(first));
    EXPECT_EQ(1, TickOf(second));
    EXPECT_EQ(1, host.SetTimer(first, 1, kNeverMs)) << "the entry is gone, not killed";
    host.ClearTimers();
    EXPECT_EQ(1, host.SetTimer(second, 1, kNeverMs)) << "cleared";
}

TEST(PaintManagerTimers, RemovingAControlEndsItsTimers) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* control = window.Add(1, 1, CRect(0, 0, 10, 10));
    ControlLife life;
    control->life = &life;
    ASSERT_EQ(1, host.SetTimer(control, 1, kNeverMs));
    host.RemoveControl(control);
    window.Send(WM_TIMER, 17, 0);
    EXPECT_TRUE(life.destroyed);
    EXPECT_EQ(0, life.ticksAfterDestroy.load());
}

TEST(PaintManagerTimers, ATimerHandlerMayKillAllItsTimers) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    auto* control = new TimerKillingControl(&window.Parent(), 1, CRect(0, 0, 10, 10));
    host.AttachControl(1, control);
    RecordingControl* other = window.Add(1, 2, CRect(10, 0, 20, 10));
    ASSERT_EQ(1, host.SetTimer(control, 1, kNeverMs)); // 17
    ASSERT_EQ(1, host.SetTimer(other, 1, kNeverMs));   // 18
    ASSERT_EQ(1, host.SetTimer(control, 2, kNeverMs)); // 19
    window.Send(WM_TIMER, 17, 0);
    window.Send(WM_TIMER, 19, 0);
    window.Send(WM_TIMER, 18, 0);
    EXPECT_EQ(1, control->ticks.load());
    EXPECT_EQ(1, TickOf(other));
}

TEST(PaintManagerTimers, HighResolutionTicksReachTheListedControls) {
    HostWindow window;
    Vantix::PaintManager& host = window.Host();
    RecordingControl* listed = window.Add(1, 1, CRect(0, 0, 10, 10));
    RecordingControl* other = window.Add(1, 2, CRect(10, 0, 20, 10));
    EXPECT_EQ(1, host.AddMTimer(listed));
    ASSERT_NE(0u, host.SetMTimer(5));
    PumpMessages(200);
    EXPECT_GT(TickOf(listed), 5);
    EXPECT_EQ(0, TickOf(other));

    EXPECT_EQ(1, host.DeleteFSTimer(listed));
    EXPECT_EQ(0, host.DeleteFSTimer(listed));
    ::Sleep(20);
    const int stopped = TickOf(listed);
    ::Sleep(100);
    EXPECT_EQ(stopped, TickOf(listed));

    host.AddMTimer(listed);
    ASSERT_NE(0u, host.SetMTimer(5)); // replaces the first tick timer
    ::Sleep(100);
    host.KillMTimer();
    ::Sleep(20);
    const int killed = TickOf(listed);
    EXPECT_GT(killed, stopped);
    ::Sleep(100);
    EXPECT_EQ(killed, TickOf(listed));
}
