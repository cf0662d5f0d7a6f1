// What the relay worker hands on to the maintenance code: the update checks (commands 3 to 6) and the
// downloads (commands 7 and 8). All run on the worker thread, one command per step.
#pragma once

class RelayCommandHandler {
public:
    virtual ~RelayCommandHandler() = default;
    // Commands 3 (manual) and 5 (automatic).
    virtual void CheckSoftwareUpdate(bool manual) = 0;
    // Commands 4 (manual) and 6 (automatic).
    virtual void CheckFirmwareUpdate(bool manual) = 0;
    // Command 7.
    virtual void DownloadSoftware() = 0;
    // Command 8.
    virtual void DownloadFirmware() = 0;
};
