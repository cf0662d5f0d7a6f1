#include "windows/RKTimer.h"

#include <algorithm>
#include <new>

namespace Vantix {

UINT RKTimer::m_uAccuracy = 1;
int RKTimer::m_bIsTmierOK = 0;

namespace {

// One lock over every instance's records, the registry and the ticks in flight. It is never held while
// a tick handler runs, nor around a multimedia call, so handlers may take their owners' locks and start
// or stop timers, and the system's timer thread never waits for us inside winmm.
SRWLOCK g_timerLock = SRWLOCK_INIT;
CONDITION_VARIABLE g_tickEnded = CONDITION_VARIABLE_INIT;
// Serialises raising and lowering the process's timer resolution.
SRWLOCK g_resolutionLock = SRWLOCK_INIT;

class TimerLock {
public:
    explicit TimerLock(SRWLOCK& lock = g_timerLock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
    TimerLock(const TimerLock&) = delete;
    TimerLock& operator=(const TimerLock&) = delete;
    ~TimerLock() { ::ReleaseSRWLockExclusive(&m_lock); }

    void WaitForTickEnd() { ::SleepConditionVariableSRW(&g_tickEnded, &m_lock, INFINITE, 0); }

private:
    SRWLOCK& m_lock;
};

} // namespace

RKTimer::RKTimer() {
    TimerLock lock;
    try {
        Registry().push_back(this);
    } catch (const std::bad_alloc&) {
        // Unregistered, the instance's ticks are dropped; its timers still start and stop.
    }
}

RKTimer::~RKTimer() {
    KillTimer();
    LowerResolutionIfLast(this);
}

void RKTimer::OnMTimer(UINT, CString) {}

UINT RKTimer::SetTimer(UINT delay, CString name, int isAppTimer) {
    UINT accuracy = RaiseResolution();
    UINT id = ::timeSetEvent(delay, accuracy, &RKTimer::TimerCallProc, reinterpret_cast<DWORD_PTR>(this),
                             TIME_PERIODIC);
    try {
        TimerLock lock;
        m_timers.push_back(TimerRecord{id, name, isAppTimer});
    } catch (const std::bad_alloc&) {
        if (id != 0)
            ::timeKillEvent(id);
        return 0;
    }
    return id;
}

int RKTimer::KillTimer(UINT id) {
    return StopFirst([id](const TimerRecord& record) { return record.id == id; });
}

int RKTimer::KillTimer(CString name) {
    return StopFirst([&name](const TimerRecord& record) { return record.name == name; });
}

void RKTimer::KillTimer() {
    std::vector<TimerRecord> stopped;
    {
        TimerLock lock;
        stopped.swap(m_timers);
    }
    for (const TimerRecord& record : stopped)
        if (record.id != 0)
            ::timeKillEvent(record.id);
    WaitForTicks(true, 0);
}

int RKTimer::GetTimerIsRun(UINT id) const {
    TimerLock lock;
    return FindRecord(id) ? 1 : 0;
}

int RKTimer::GetTimerIsRun(CString name) const {
    TimerLock lock;
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&name](const TimerRecord& record) { return record.name == name; })
               ? 1
               : 0;
}

int RKTimer::IsAppTimer(UINT id) const {
    TimerLock lock;
    const TimerRecord* record = FindRecord(id);
    return record ? record->isAppTimer : 0;
}

CString RKTimer::GetTimerName(UINT id) const {
    TimerLock lock;
    const TimerRecord* record = FindRecord(id);
    return record ? record->name : CString();
}

RKTimer* RKTimer::GetFSTimer(UINT id) {
    TimerLock lock;
    for (RKTimer* timer : Registry())
        if (timer->FindRecord(id))
            return timer;
    return nullptr;
}

void CALLBACK RKTimer::TimerCallProc(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    RKTimer* timer = reinterpret_cast<RKTimer*>(user);
    if (!timer || !BeginTick(timer, id))
        return;
    timer->DeliverTick(id);
    timer->EndTick(id);
}

std::vector<RKTimer*>& RKTimer::Registry() {
    static std::vector<RKTimer*> registry;
    return registry;
}

bool RKTimer::IsRegistered(const RKTimer* timer) {
    const std::vector<RKTimer*>& registry = Registry();
    return std::find(registry.begin(), registry.end(), timer) != registry.end();
}

UINT RKTimer::RaiseResolution() {
    TimerLock lock(g_resolutionLock);
    TIMECAPS caps;
    if (!m_bIsTmierOK && ::timeGetDevCaps(&caps, sizeof(caps)) == TIMERR_NOERROR) {
        m_uAccuracy = std::min(std::max(caps.wPeriodMin, 1u), caps.wPeriodMax);
        ::timeBeginPeriod(m_uAccuracy);
        m_bIsTmierOK = 1;
    }
    return m_uAccuracy;
}

// The resolution is raised once for the process, so it is lowered once, with the last instance; a later
// timer raises it again.
void RKTimer::LowerResolutionIfLast(RKTimer* leaving) {
    TimerLock resolutionLock(g_resolutionLock);
    bool last = false;
    {
        TimerLock lock;
        std::vector<RKTimer*>& registry = Registry();
        auto entry = std::find(registry.begin(), registry.end(), leaving);
        if (entry != registry.end())
            registry.erase(entry);
        last = registry.empty();
    }
    if (last && m_bIsTmierOK) {
        ::timeEndPeriod(m_uAccuracy);
        m_bIsTmierOK = 0;
    }
}

bool RKTimer::BeginTick(RKTimer* timer, UINT id) {
    TimerLock lock;
    // A tick of a destroyed instance or of a stopped timer is dropped without touching the instance.
    if (!IsRegistered(timer) || !timer->FindRecord(id))
        return false;
    try {
        timer->m_running.push_back(RunningTick{id, ::GetCurrentThreadId()});
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void RKTimer::EndTick(UINT id) {
    {
        TimerLock lock;
        DWORD thread = ::GetCurrentThreadId();
        auto running =
            std::find_if(m_running.begin(), m_running.end(), [id, thread](const RunningTick& tick) {
                return tick.id == id && tick.thread == thread;
            });
        m_running.erase(running);
    }
    ::WakeAllConditionVariable(&g_tickEnded);
}

void RKTimer::DeliverTick(UINT id) {
    // An exception must not unwind into the system's timer thread.
    try {
        OnMTimer(id);
        if (IsAppTimer(id))
            OnMTimer(id, GetTimerName(id));
    } catch (...) {
    }
}

template <class Match> int RKTimer::StopFirst(Match matches) {
    UINT id = 0;
    int remaining = 0;
    {
        TimerLock lock;
        auto record = std::find_if(m_timers.begin(), m_timers.end(), matches);
        if (record == m_timers.end())
            return static_cast<int>(m_timers.size());
        id = record->id;
        m_timers.erase(record);
        remaining = static_cast<int>(m_timers.size());
    }
    if (id != 0) {
        ::timeKillEvent(id);
        WaitForTicks(false, id);
    }
    return remaining;
}

void RKTimer::WaitForTicks(bool anyTimer, UINT id) {
    TimerLock lock;
    while (HasForeignTick(anyTimer, id))
        lock.WaitForTickEnd();
}

const RKTimer::TimerRecord* RKTimer::FindRecord(UINT id) const {
    for (const TimerRecord& record : m_timers)
        if (record.id == id)
            return &record;
    return nullptr;
}

// A tick running on the calling thread is the caller itself (a handler stopping its own timer): waiting
// for it would never end.
bool RKTimer::HasForeignTick(bool anyTimer, UINT id) const {
    DWORD thread = ::GetCurrentThreadId();
    return std::any_of(m_running.begin(), m_running.end(), [=](const RunningTick& tick) {
        return tick.thread != thread && (anyTimer || tick.id == id);
    });
}

} // namespace Vantix
