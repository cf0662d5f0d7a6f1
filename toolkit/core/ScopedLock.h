// Holds a CriticalSection for the lifetime of a block, released on every path out of it.
#pragma once

#include "core/CriticalSection.h"

namespace Vantix {

class ScopedLock {
public:
    explicit ScopedLock(CriticalSection& section) : m_section(section) { m_section.Enter(); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;
    ~ScopedLock() { m_section.Leave(); }

private:
    CriticalSection& m_section;
};

} // namespace Vantix
