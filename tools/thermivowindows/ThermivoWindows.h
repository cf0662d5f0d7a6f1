// The windows of a running Thermivo as another process sees them: the main window (the top-level window
// with the property "TEMP") and the application's message box (window name "MessageBox").
#pragma once

#include <windows.h>

class ThermivoWindows {
public:
    static HWND MainWindow();
    // What CloseMainWindow did; the values are the exit codes of the tools that drive Thermivo.
    enum CloseResult { CLOSED = 0, NO_WINDOW = 1, STILL_RUNNING = 2 };
    // Posts WM_CLOSE to the main window, as the system does, and waits up to timeoutMs for its process to
    // end.
    static CloseResult CloseMainWindow(DWORD timeoutMs);
    // The message box while it is shown; NULL otherwise.
    static HWND VisibleMessageBox();
    enum Button { YES, NO, OK };
    // The client point at the middle of a button: "YES" and "NO" are 100 x 30 pixels, 10 pixels above the
    // bottom, 20 pixels either side of the middle; "OK" spans the middle, 60 pixels in from either side.
    static POINT ButtonCentre(HWND box, Button button);
    // Polls test every 50 ms until it holds or timeoutMs have passed; true when it held.
    template <class Test> static bool WaitFor(DWORD timeoutMs, Test test) {
        for (DWORD waited = 0;; waited += kPollMs) {
            if (test())
                return true;
            if (waited >= timeoutMs)
                return false;
            Sleep(kPollMs);
        }
    }

private:
    static const DWORD kPollMs = 50;
};
