// Owning holder of a window's device context taken with GetDC, given back with ReleaseDC. Counted
// as a GDI object by LiveObjectCount while it is held.
#pragma once

#include <windows.h>

#include "core/LiveObjectCount.h"

namespace Vantix {

class WindowDC {
public:
    WindowDC() = default;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { Reset(); }

    // Gives back any held DC, then takes the DC of hwnd; false when GetDC fails.
    bool Acquire(HWND hwnd) {
        Reset();
        m_dc = ::GetDC(hwnd);
        m_hwnd = m_dc ? hwnd : nullptr;
        if (m_dc)
            LiveObjectCount::AddGdi();
        return m_dc != nullptr;
    }
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    void Reset() {
        if (m_dc) {
            ::ReleaseDC(m_hwnd, m_dc);
            LiveObjectCount::RemoveGdi();
        }
        m_dc = nullptr;
        m_hwnd = nullptr;
    }

private:
    HWND m_hwnd = nullptr; // borrowed: the window the DC belongs to
    HDC m_dc = nullptr;
};

} // namespace Vantix
