#include "relay/ProcessControl.h"

#include <cwchar>
#include <vector>
#include <windows.h>
#include <tlhelp32.h>

#include "shell/KernelHandle.h"
#include "shell/ModuleDirectory.h"
#include "shell/WindowsVersion.h"

namespace {

// False when the process list cannot be read; processId stays 0 when no process matches.
bool FindFirstProcess(const wchar_t* name, DWORD& processId) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid())
        return false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, name) == 0) {
            processId = entry.th32ProcessID;
            break;
        }
    }
    return true;
}

} // namespace

const wchar_t kMonitorServerName[] = L"Probexa.exe";

bool IsProcessRunning(const wchar_t* name) {
    DWORD processId = 0;
    return !FindFirstProcess(name, processId) || processId != 0;
}

bool KillProcessByName(const wchar_t* name) {
    DWORD processId = 0;
    if (!FindFirstProcess(name, processId))
        return false;
    if (processId == 0)
        return true;
    UniqueHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (process.IsValid())
        TerminateProcess(process.Get(), 0);
    return true;
}

std::wstring MonitorServerCommandLine(bool windows10OrLater) {
    // The folder already ends in a backslash, so the path carries a doubled one; Windows accepts it.
    std::wstring path = GetModuleDirectory() +
                        (windows10OrLater ? L"\\HardwareMonitor\\" : L"\\HardwareMonitorWin7\\") +
                        kMonitorServerName;
    // Quoted: an unquoted path with blanks would let Windows try "C:\Program.exe" first, elevated.
    return L"\"" + path + L"\"";
}

void StartMonitorServer() {
    StartDetachedProcess(MonitorServerCommandLine(IsWindows10OrLater()));
}

bool IsMonitorServerRunning() {
    return IsProcessRunning(kMonitorServerName);
}

bool StartDetachedProcess(const std::wstring& commandLine) {
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    return true;
}
