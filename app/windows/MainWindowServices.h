// What the main window reaches outside itself at start-up and on the user's behalf: the logon task, the
// hardware-monitor server, the message box, the shell's notification area, the settings key, the shared
// record and the tray icon file. Defaults() gives the real ones; tests put their own in.
#pragma once

#include <functional>
#include <string>

#include "maintenance/UpdatePrompter.h"
#include "windows/TrayIcon.h"

struct MainWindowServices {
    std::function<void()> registerStartupTask;
    std::function<void()> startMonitorServer;
    // Whether the server's process is there; lets the watch restart a server that vanished later on.
    std::function<bool()> monitorServerRunning;
    UpdatePrompter::MessageBoxFunction showMessageBox;
    TrayIcon::ShellFunction notifyIcon;
    std::wstring settingsKey;
    std::string recordName;
    std::wstring trayIconPath;

    static MainWindowServices Defaults();
};
