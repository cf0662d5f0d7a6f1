#include "maintenance/UpdateService.h"

#include "maintenance/FolderPaths.h"
#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateServer.h"

#include <utility>

UpdateService::UpdateService(UpdateChecker::FirmwareQuery queryFirmware,
                             UpdatePrompter::MessageBoxFunction showMessageBox,
                             UpdatePrompter::QueueFunction queueCommand)
    : m_checker(std::move(queryFirmware), UpdateServer::SoftwareBaseUrl(), UpdateServer::FirmwareBaseUrl(),
                THERMIVO_VERSION_TEXT),
      m_installer(m_checker, m_downloader, FolderPaths::GetDataFolder()),
      m_prompter(m_checker, std::move(showMessageBox), std::move(queueCommand)) {}

void UpdateService::SetNotifyWindow(HWND window) {
    m_notifyWindow = window;
    m_checker.SetNotifyWindow(window);
}

bool UpdateService::RunCommand(int command) {
    switch (command) {
    case COMMAND_MANUAL_SOFTWARE_CHECK:
    case COMMAND_AUTO_SOFTWARE_CHECK:
        m_checker.RunSoftwareCheck(command == COMMAND_MANUAL_SOFTWARE_CHECK);
        return true;
    case COMMAND_MANUAL_FIRMWARE_CHECK:
    case COMMAND_AUTO_FIRMWARE_CHECK:
        m_checker.RunFirmwareCheck(command == COMMAND_MANUAL_FIRMWARE_CHECK);
        return true;
    case COMMAND_SOFTWARE_UPDATE:
        m_installer.RunSoftwareUpdate(m_notifyWindow);
        return true;
    case COMMAND_FIRMWARE_UPDATE:
        m_installer.RunFirmwareUpdate(m_notifyWindow);
        return true;
    default:
        return false;
    }
}

void UpdateService::CancelTransfers() {
    m_checker.Cancel();
    m_downloader.Cancel();
}
