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
    virtual ~RKTimer();

    // Returns the id from timeSetEvent (0 when it failed; the record is kept anyway).
    UINT SetTimer(UINT delay, CString name, int isAppTimer);
    // Stop and remove the first matching timer; return the number of timers left.
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

    // Every live instance, in construction order.
    static std::vector<RKTimer*>& Registry();

    std::vector<TimerRecord> m_timers;
};

} // namespace Vantix
