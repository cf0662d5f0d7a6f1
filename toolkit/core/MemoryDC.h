// Owning holder of a memory device context: puts back the object it displaced, then deletes the DC.
// Counted as a GDI object by LiveObjectCount.
#pragma once

#include <windows.h>

#include "core/LiveObjectCount.h"

namespace Vantix {

class MemoryDC {
public:
    MemoryDC() = default;
    MemoryDC(MemoryDC&& other) noexcept : m_dc(other.m_dc), m_previous(other.m_previous) {
        other.m_dc = nullptr;
        other.m_previous = nullptr;
    }
    MemoryDC& operator=(MemoryDC&& other) noexcept {
        if (this != &other) {
            Reset();
            m_dc = other.m_dc;
            m_previous = other.m_previous;
            other.m_dc = nullptr;
            other.m_previous = nullptr;
        }
        return *this;
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { Reset(); }

    // Replaces any held DC by a new one compatible with reference (null: the screen).
    bool Create(HDC reference) {
        Reset();
        m_dc = ::CreateCompatibleDC(reference);
        if (m_dc)
            LiveObjectCount::AddGdi();
        return m_dc != nullptr;
    }
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    // Selects an object (the caller keeps owning it); the first displaced object is restored by Reset.
    void Select(HGDIOBJ object) {
        HGDIOBJ displaced = ::SelectObject(m_dc, object);
        if (!m_previous)
            m_previous = displaced;
    }
    void Reset() {
        if (!m_dc)
            return;
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
        LiveObjectCount::RemoveGdi();
        m_dc = nullptr;
        m_previous = nullptr;
    }

private:
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr; // borrowed: the DC's own stock object
};

} // namespace Vantix
