// Hands the relay worker's update commands (3 to 8) on to the update service, on the worker thread.
#pragma once

#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateService.h"
#include "relay/RelayCommandHandler.h"

class UpdateCommandHandler : public RelayCommandHandler {
public:
    explicit UpdateCommandHandler(UpdateService& service) : m_service(service) {}

    void CheckSoftwareUpdate(bool manual) override {
        m_service.RunCommand(manual ? COMMAND_MANUAL_SOFTWARE_CHECK : COMMAND_AUTO_SOFTWARE_CHECK);
    }
    void CheckFirmwareUpdate(bool manual) override {
        m_service.RunCommand(manual ? COMMAND_MANUAL_FIRMWARE_CHECK : COMMAND_AUTO_FIRMWARE_CHECK);
    }
    void DownloadSoftware() override { m_service.RunCommand(COMMAND_SOFTWARE_UPDATE); }
    void DownloadFirmware() override { m_service.RunCommand(COMMAND_FIRMWARE_UPDATE); }

private:
    UpdateService& m_service;
};
