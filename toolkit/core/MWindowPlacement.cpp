// Placing a window: centring it on a reference window or its monitor, and bringing it to the front.
#include "core/MWindow.h"

namespace Vantix {

namespace {

// One axis of the centring: centred on the reference span, then kept inside the area, the near
// edge winning when the window is larger than the area.
int CentredEdge(LONG centreLow, LONG centreHigh, int size, LONG areaLow, LONG areaHigh) {
    int edge = (centreLow + centreHigh) / 2 - size / 2;
    if (edge + size > areaHigh)
        edge = areaHigh - size;
    if (edge < areaLow)
        edge = areaLow;
    return edge;
}

bool ShownAndNotMinimised(HWND hwnd) {
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    return (style & (WS_VISIBLE | WS_MINIMIZE)) == WS_VISIBLE;
}

} // namespace

void MWindow::CenterWindow(MWindow* reference) {
    if (!IsValidWindow())
        return;
    bool child = (GetStyle() & WS_CHILD) != 0;
    HWND centreWindow = nullptr;
    if (reference && reference->m_hWnd)
        centreWindow = reference->m_hWnd;
    else
        centreWindow = child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);

    RECT area = {};
    RECT centre = {};
    if (child) {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        if (!centreWindow || !::GetClientRect(centreWindow, &centre))
            centre = area;
        else
            ::MapWindowPoints(centreWindow, parent, reinterpret_cast<POINT*>(&centre), 2);
    } else {
        if (centreWindow && !ShownAndNotMinimised(centreWindow))
            centreWindow = nullptr;
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(centreWindow ? centreWindow : m_hWnd, MONITOR_DEFAULTTONEAREST),
                        &monitor);
        area = monitor.rcWork;
        if (!centreWindow || !::GetWindowRect(centreWindow, &centre))
            centre = area;
    }

    RECT own = {};
    ::GetWindowRect(m_hWnd, &own);
    int left = CentredEdge(centre.left, centre.right, own.right - own.left, area.left, area.right);
    int top = CentredEdge(centre.top, centre.bottom, own.bottom - own.top, area.top, area.bottom);
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MWindow::BringToTop() {
    if (!IsValidWindow())
        return;
    DWORD ownThread = GetWindowThreadProcessId(m_hWnd, nullptr);
    DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    if (foregroundThread == ownThread) {
        SetForegroundWindow(m_hWnd);
    } else {
        // Another thread owns the foreground: share its input state for the moment of the switch.
        AttachThreadInput(foregroundThread, ownThread, TRUE);
        AllowSetForegroundWindow(ASFW_ANY);
        SetForegroundWindow(m_hWnd);
        AttachThreadInput(foregroundThread, ownThread, FALSE);
    }
    ::ShowWindow(m_hWnd, (GetStyle() & WS_MINIMIZE) ? SW_RESTORE : SW_SHOW);
}

} // namespace Vantix
