// Owning holder of a window's device context taken with GetDC, given back with ReleaseDC.
#pragma once

#include <windows.h>

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
        return m_dc != nullptr;
    }
    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    void Reset() {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
        m_dc = nullptr;
        m_hwnd = nullptr;
    }

private:
    HWND m_hwnd = nullptr; // borrowed: the window the DC belongs to
    HDC m_dc = nullptr;
};

} // namespace Vantix
