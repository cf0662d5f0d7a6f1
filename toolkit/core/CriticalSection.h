// A Win32 critical section that lives exactly as long as its owner; lock it through ScopedLock.
#pragma once

#include <windows.h>

namespace Vantix {

class CriticalSection {
public:
    CriticalSection() { ::InitializeCriticalSection(&m_section); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
    ~CriticalSection() { ::DeleteCriticalSection(&m_section); }

    void Enter() { ::EnterCriticalSection(&m_section); }
    void Leave() { ::LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

} // namespace Vantix
