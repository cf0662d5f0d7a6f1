#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <windows.h>

#include "relay/CThreadBasic.h"
#include "shell/KernelHandleCount.h"

namespace {

class CountingThread : public CThreadBasic {
public:
    ~CountingThread() override { WaitUntilEnded(); }

    std::atomic<int> steps{0};
    std::atomic<DWORD> threadId{0};

protected:
    void RunStep() override {
        threadId.store(GetCurrentThreadId());
        ++steps;
    }
};

// A step that rests the way the relay tick does after a report.
class RestingThread : public CThreadBasic {
public:
    ~RestingThread() override { WaitUntilEnded(); }

    std::atomic<bool> resting{false};

protected:
    void RunStep() override {
        resting.store(true);
        RestWhileRunning(30000);
    }
};

// A step that cannot be cut short, like a network command; the destructor notes whether the step had
// ended by the time the object went away.
class BusyThread : public CThreadBasic {
public:
    BusyThread(std::atomic<bool>& stepEnded, std::atomic<bool>& destroyedAfterStep)
        : m_stepEnded(stepEnded), m_destroyedAfterStep(destroyedAfterStep) {}
    ~BusyThread() override {
        WaitUntilEnded();
        m_destroyedAfterStep.store(m_stepEnded.load());
    }

    std::atomic<bool> started{false};

protected:
    void RunStep() override {
        started.store(true);
        Sleep(1500);
        m_stepEnded.store(true);
    }

private:
    std::atomic<bool>& m_stepEnded;
    std::atomic<bool>& m_destroyedAfterStep;
};

template <typename Condition> bool WaitFor(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(5);
    }
    return true;
}

TEST(CThreadBasic, RunsStepsOnOneThreadUntilStopped) {
    long handlesBefore = KernelHandleCount::Live();
    CountingThread thread;
    thread.Start();
    thread.Start();
    EXPECT_TRUE(thread.IsRunning());
    ASSERT_TRUE(WaitFor([&] { return thread.steps.load() >= 3; }, 5000));
    EXPECT_NE(GetCurrentThreadId(), thread.threadId.load());
    EXPECT_TRUE(thread.Stop());
    EXPECT_FALSE(thread.IsRunning());
    int steps = thread.steps.load();
    Sleep(50);
    EXPECT_EQ(steps, thread.steps.load()) << "no step after Stop returned";
    EXPECT_EQ(handlesBefore, KernelHandleCount::Live());
}

TEST(CThreadBasic, StopCutsARestShort) {
    RestingThread thread;
    thread.Start();
    ASSERT_TRUE(WaitFor([&] { return thread.resting.load(); }, 5000));
    EXPECT_TRUE(thread.Stop());
}

TEST(CThreadBasic, CanStartAgainAfterStop) {
    CountingThread thread;
    thread.Start();
    ASSERT_TRUE(WaitFor([&] { return thread.steps.load() >= 1; }, 5000));
    ASSERT_TRUE(thread.Stop());
    int steps = thread.steps.load();
    thread.Start();
    EXPECT_TRUE(WaitFor([&] { return thread.steps.load() > steps; }, 5000));
}

TEST(CThreadBasic, ObjectOutlivesAStepThatOutlastsStop) {
    std::atomic<bool> stepEnded{false};
    std::atomic<bool> destroyedAfterStep{false};
    auto thread = std::make_unique<BusyThread>(stepEnded, destroyedAfterStep);
    thread->Start();
    ASSERT_TRUE(WaitFor([&] { return thread->started.load(); }, 5000));
    EXPECT_FALSE(thread->Stop()) << "the step takes longer than the 1000 ms Stop waits";
    thread->Start();
    EXPECT_FALSE(thread->IsRunning()) << "no second thread while the first has not ended";
    thread.reset();
    EXPECT_TRUE(destroyedAfterStep.load());
}

TEST(CThreadBasic, StopWithoutStartIsHarmless) {
    CountingThread thread;
    EXPECT_TRUE(thread.Stop());
    thread.RestWhileRunning(10000); // returns at once
    EXPECT_EQ(0, thread.steps.load());
}

} // namespace
