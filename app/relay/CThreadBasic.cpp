#include "relay/CThreadBasic.h"

#include <process.h>

CThreadBasic::~CThreadBasic() {
    WaitUntilEnded();
}

void CThreadBasic::Start() {
    if (m_running.load() || m_thread.IsValid())
        return;
    m_startTick = GetTickCount();
    m_wakeEvent.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_running.store(true);
    // The handle is kept: shutdown waits for the thread itself, which also tells when it has ended.
    m_thread.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadProcedure, this, 0, nullptr)));
    if (!m_thread.IsValid())
        m_running.store(false);
}

bool CThreadBasic::Stop() {
    m_running.store(false);
    if (m_wakeEvent.IsValid())
        SetEvent(m_wakeEvent.Get());
    if (!m_thread.IsValid())
        return true;
    if (WaitForSingleObject(m_thread.Get(), kStopWaitMs) != WAIT_OBJECT_0)
        return false;
    ReleaseEndedThread();
    return true;
}

void CThreadBasic::WaitUntilEnded() {
    if (Stop() || !m_thread.IsValid())
        return;
    WaitForSingleObject(m_thread.Get(), INFINITE);
    ReleaseEndedThread();
}

void CThreadBasic::ReleaseEndedThread() {
    m_thread.Reset();
    m_wakeEvent.Reset();
}

void CThreadBasic::RestWhileRunning(DWORD milliseconds) {
    if (m_running.load() && m_wakeEvent.IsValid())
        WaitForSingleObject(m_wakeEvent.Get(), milliseconds);
}

unsigned __stdcall CThreadBasic::ThreadProcedure(void* argument) {
    auto* self = static_cast<CThreadBasic*>(argument);
    while (self->m_running.load()) {
        self->RunStep();
        self->RestWhileRunning(kPauseMs);
    }
    return self->m_startTick;
}
