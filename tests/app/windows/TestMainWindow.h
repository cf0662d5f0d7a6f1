// A main window for tests: DeviceMainDlg with recording stand-ins for the logon task, the server, the
// message box and the shell's notification area, its own settings key and shared record, and a count of
// its paints. A press that the control host turns into a window move is counted, not passed on, so no
// system move loop starts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "windows/DeviceMainDlg.h"

struct RecordedServices {
    struct ShellCall {
        DWORD message;
        NOTIFYICONDATAW data;
    };

    int taskRegistrations = 0;
    int serverStarts = 0;
    std::vector<ShellCall> shellCalls;
    // The shell refuses this many adds before it takes one.
    int refusedAdds = 0;
    bool shown = false; // the shell shows the entry
    std::vector<std::wstring> messageTexts;

    int Count(DWORD message) const;
    MainWindowServices Make(const std::wstring& settingsKey, const std::string& recordName);
};

class TestMainWindow : public DeviceMainDlg {
public:
    explicit TestMainWindow(MainWindowServices services) : DeviceMainDlg(std::move(services)) {}

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    int paints = 0;
    int captionPresses = 0;
};

// Dispatches the thread's messages for about milliseconds.
void PumpMessages(DWORD milliseconds);
// Dispatches messages until condition() holds; false after timeoutMs.
template <typename Condition> bool PumpUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    while (!condition()) {
        if (GetTickCount64() - start > timeoutMs)
            return false;
        PumpMessages(5);
    }
    return true;
}
