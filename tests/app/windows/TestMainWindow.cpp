#include "TestMainWindow.h"

int RecordedServices::Count(DWORD message) const {
    int count = 0;
    for (const ShellCall& call : shellCalls)
        count += call.message == message ? 1 : 0;
    return count;
}

MainWindowServices RecordedServices::Make(const std::wstring& settingsKey, const std::string& recordName) {
    MainWindowServices services = MainWindowServices::Defaults();
    services.registerStartupTask = [this] { ++taskRegistrations; };
    services.startMonitorServer = [this] { ++serverStarts; };
    services.monitorServerRunning = [] { return true; };
    services.showMessageBox = [this](const wchar_t* text, const wchar_t*, int) {
        messageTexts.push_back(text);
        return 2u;
    };
    services.notifyIcon = [this](DWORD message, NOTIFYICONDATAW* data) {
        shellCalls.push_back({message, *data});
        if (message == NIM_ADD && refusedAdds > 0) {
            --refusedAdds;
            return FALSE;
        }
        const BOOL held = shown ? TRUE : FALSE;
        if (message == NIM_ADD)
            shown = true;
        else if (message == NIM_DELETE)
            shown = false;
        // Only a shown entry can be modified or deleted.
        return message == NIM_ADD ? TRUE : held;
    };
    services.settingsKey = settingsKey;
    services.recordName = recordName;
    return services;
}

LRESULT TestMainWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
        ++captionPresses;
        return 0;
    }
    if (msg == WM_PAINT)
        ++paints;
    return DeviceMainDlg::OnWindowMessage(msg, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    } while (GetTickCount64() < end);
}
