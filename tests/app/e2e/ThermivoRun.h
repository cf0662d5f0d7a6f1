// One run of bin/Thermivo.exe for an end-to-end test: the stand-ins' settings (a fixed simulated
// temperature, a display log, an update server that does not answer), the unit in the registry, the
// process, its main window and what the emulated display was sent.
#pragma once

#include <windows.h>

#include <string>

#include "TempFolder.h"
#include "shell/KernelHandle.h"

class ThermivoRun {
public:
    // celsius: what the simulator publishes; unit: "tempe_type" before the start ("0" or "1").
    ThermivoRun(float celsius, const wchar_t* unit);
    // Ends a process still running and any server left behind.
    ~ThermivoRun();
    ThermivoRun(const ThermivoRun&) = delete;
    ThermivoRun& operator=(const ThermivoRun&) = delete;

    // Starts another Thermivo.exe; its process handle, owned by the caller.
    static UniqueHandle StartProcess();

    bool Start();
    // The main window (the top-level window with the property "TEMP"), once it exists.
    HWND WaitForWindow();
    // The exit code once the process has ended within timeoutMs; false if it still runs.
    bool WaitForExit(DWORD timeoutMs, DWORD& code) const;
    // The value display 1 was sent last, -1 before the first report.
    int LastShown() const;
    // Number of reports display 1 received so far.
    int ReportCount() const;
    bool WaitForShown(int value, DWORD timeoutMs) const;

    HANDLE Process() const { return m_process.Get(); }

private:
    void WriteSimulatorSettings(float celsius) const;

    TempFolder m_folder;
    std::wstring m_logPath;
    UniqueHandle m_process;
};
