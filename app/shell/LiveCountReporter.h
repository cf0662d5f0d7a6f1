// For soak runs: when the environment variable THERMIVO_STATS_FILE names a file, appends the toolkit's
// live GDI and GDI+ object counts and the live kernel-handle count to it every 10 seconds, one line each
// ("gdi=12 gdiplus=30 handles=9"). These counts live inside the process; Wine's own counters answer 0.
// Off when the variable is not set.
#pragma once

#include <string>
#include <windows.h>

#include "shell/KernelHandle.h"

class LiveCountReporter {
public:
    static constexpr DWORD kIntervalMs = 10000;

    LiveCountReporter();
    // Stops the reporting thread and waits for it.
    ~LiveCountReporter();
    LiveCountReporter(const LiveCountReporter&) = delete;
    LiveCountReporter& operator=(const LiveCountReporter&) = delete;

    bool IsReporting() const { return m_thread.IsValid(); }
    // Appends one line now.
    void WriteSample() const;

private:
    static DWORD WINAPI ReportLoop(LPVOID self);

    std::wstring m_path;
    UniqueHandle m_stop;
    UniqueHandle m_thread;
};
