// A real top-level test window whose messages go to a PaintManager first, as a toolkit window's do,
// with a recording parent for the test controls it holds. A press that the host turns into a window
// move (WM_NCLBUTTONDOWN on the caption) is counted, not passed on, so no system move loop starts.
#pragma once

#include <windows.h>

#include "RecordingControl.h"
#include "RecordingParent.h"
#include "core/CRect.h"
#include "core/PaintManager.h"

class HostWindow {
public:
    // Client coordinates equal screen coordinates minus the rectangle's top-left.
    explicit HostWindow(Vantix::CRect screenRect = Vantix::CRect(100, 100, 500, 400), DWORD exStyle = 0);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    Vantix::PaintManager& Host() { return m_host; }
    RecordingParent& Parent() { return m_parent; }
    // A recording control in the host's area list (0) or control list (1); the host owns it.
    RecordingControl* Add(UINT list, UINT id, Vantix::CRect rect, int visible = 1, int enabled = 1);
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) {
        return ::SendMessageW(m_hwnd, msg, wParam, lParam);
    }
    // Sends a mouse message with the client point packed as lParam.
    LRESULT Mouse(UINT msg, int x, int y, WPARAM keys = 0);
    void Destroy();

    int captionPresses = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    Vantix::PaintManager m_host;
    RecordingParent m_parent;
    HWND m_hwnd = nullptr;
};
