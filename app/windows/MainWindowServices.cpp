#include "windows/MainWindowServices.h"

#include "maintenance/StartupTaskRegistrar.h"
#include "relay/ProcessControl.h"
#include "relay/TemperatureRecord.h"
#include "windows/ShowUIMessageBox.h"
#include "windows/SkinFolder.h"

MainWindowServices MainWindowServices::Defaults() {
    MainWindowServices services;
    services.registerStartupTask = [] { StartupTaskRegistrar().RegisterStartupTask(); };
    services.startMonitorServer = StartMonitorServer;
    services.monitorServerRunning = IsMonitorServerRunning;
    services.showMessageBox = ShowUIMessageBox;
    services.notifyIcon = [](DWORD message, NOTIFYICONDATAW* data) {
        return Shell_NotifyIconW(message, data);
    };
    services.settingsKey = L"TEMP";
    services.recordName = TemperatureRecord::kDefaultName;
    services.trayIconPath = GetSkinFolder() + L"Thermivo.ico";
    return services;
}
