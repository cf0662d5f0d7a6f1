// The relay worker's command codes. Any other code is taken from the queue and ignored.
#pragma once

enum RelayCommand {
    kCommandRefreshDevices = 1,
    kCommandManualSoftwareCheck = 3,
    kCommandManualFirmwareCheck = 4,
    kCommandAutoSoftwareCheck = 5,
    kCommandAutoFirmwareCheck = 6,
    kCommandSoftwareDownload = 7,
    kCommandFirmwareDownload = 8,
};
