// Starting and stopping the outside hardware-monitor server program.
#pragma once

#include <string>

// Terminates the first running process whose executable name equals name, ignoring letter case. True when
// the process list could be read, whether or not a process matched.
bool KillProcessByName(const wchar_t* name);

// True when a process whose executable name equals name, ignoring letter case, is running, and also when
// the process list cannot be read: a watcher must not start a second copy on a guess.
bool IsProcessRunning(const wchar_t* name);

// The server's command line for either Windows answer: the HardwareMonitor build for Windows 10 or later,
// the HardwareMonitorWin7 build otherwise, below the application folder.
std::wstring MonitorServerCommandLine(bool windows10OrLater);

// Starts the server build that fits the running Windows; failures are silent.
void StartMonitorServer();
// Either server build, both named kMonitorServerName, is running.
bool IsMonitorServerRunning();
extern const wchar_t kMonitorServerName[];

// Starts a program by command line without waiting for it; true when it was started.
bool StartDetachedProcess(const std::wstring& commandLine);
