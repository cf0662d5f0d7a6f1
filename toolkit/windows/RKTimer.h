// Periodic high-resolution ticks from the multimedia timer (timeSetEvent), each timer with an optional
// name. Callbacks run on the system's timer thread, not on the thread that started the timer.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <vector>

#include "core/CString.h"
#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API RKTimer {
public:
    RKTimer();
    RKTimer(const RKTimer&) = delete;
    RKTimer& operator=(const RKTimer&) = delete;

    // Named (application) callback, called as well for timers started with isAppTimer set.
    virtual void OnMTimer(UINT id, CString name);

protected:
    virtual void OnMTimer(UINT id) = 0;

public:
    // Stops every timer. A derived class whose OnMTimer uses its own members must stop its timers in
    // its own destructor: once that has run, a tick would find those members gone.
    virtual ~RKTimer();

    // Returns the id from timeSetEvent (0 when it failed; the record is kept anyway). A tick that fires
    // before this returns is not delivered.
    UINT SetTimer(UINT delay, CString name, int isAppTimer);
    // Stop and remove the first matching timer; return the number of timers left. When a stop returns,
    // no callback of that timer runs any more, unless the stop was called from that callback itself.
    // So never stop a timer while holding a lock its callback takes.
    int KillTimer(UINT id);
    int KillTimer(CString name);
    void KillTimer();
    int GetTimerIsRun(UINT id) const;
    int GetTimerIsRun(CString name) const;
    int IsAppTimer(UINT id) const;
    CString GetTimerName(UINT id) const;

    // The live instance holding a timer with that id, in registration order, or null.
    static RKTimer* GetFSTimer(UINT id);
    static void CALLBACK TimerCallProc(UINT id, UINT msg, DWORD_PTR user, DWORD_PTR reserved1,
                                       DWORD_PTR reserved2);

    static UINT m_uAccuracy;
    static int m_bIsTmierOK;

private:
    struct TimerRecord {
        UINT id;
        CString name;
        int isAppTimer;
    };
    // A callback between its start and its end, so that a stop can wait for it.
    struct RunningTick {
        UINT id;
        DWORD thread;
    };

    // Every live instance, in construction order.
    static std::vector<RKTimer*>& Registry();
    static bool IsRegistered(const RKTimer* timer);
    // Returns the resolution to start timers with.
    static UINT RaiseResolution();
    static void LowerResolutionIfLast(RKTimer* leaving);

    // Marks a tick as running when its instance is alive and the timer still listed.
    static bool BeginTick(RKTimer* timer, UINT id);
    void EndTick(UINT id);
    void DeliverTick(UINT id);
    template <class Match> int StopFirst(Match matches);
    void WaitForTicks(bool anyTimer, UINT id);

    // These expect the timer lock to be held.
    const TimerRecord* FindRecord(UINT id) const;
    bool HasForeignTick(bool anyTimer, UINT id) const;

    std::vector<TimerRecord> m_timers;
    std::vector<RunningTick> m_running;
};

} // namespace Vantix
