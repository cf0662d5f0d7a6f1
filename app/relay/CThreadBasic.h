// The relay worker thread: calls RunStep over and over with a 16 ms pause until stopped. The class that
// supplies RunStep must call WaitUntilEnded in its destructor, so it is never destroyed under a thread
// that still runs one of its steps.
#pragma once

#include <atomic>
#include <windows.h>

#include "shell/KernelHandle.h"

class CThreadBasic {
public:
    CThreadBasic() = default;
    // Waits for a thread that still runs; by then a derived RunStep is gone, hence the rule above.
    virtual ~CThreadBasic();
    CThreadBasic(const CThreadBasic&) = delete;
    CThreadBasic& operator=(const CThreadBasic&) = delete;

    // Starts the thread unless it runs, or a stopped one has not ended yet.
    void Start();
    // Clears the running flag, cuts a rest short and waits up to 1000 ms; true when the thread has ended.
    bool Stop();
    // Stops and waits without a time limit.
    void WaitUntilEnded();
    bool IsRunning() const { return m_running.load(); }

    // Called by steps on the thread: sleeps up to milliseconds, returning at once when the thread is
    // being stopped (or was never started).
    void RestWhileRunning(DWORD milliseconds);

protected:
    virtual void RunStep() = 0;

private:
    static constexpr DWORD kPauseMs = 16;
    static constexpr DWORD kStopWaitMs = 1000;

    static unsigned __stdcall ThreadProcedure(void* argument);
    void ReleaseEndedThread();

    std::atomic<bool> m_running{false};
    // GetTickCount at start, also the thread's exit code.
    DWORD m_startTick = 0;
    UniqueHandle m_wakeEvent;
    UniqueHandle m_thread;
};
