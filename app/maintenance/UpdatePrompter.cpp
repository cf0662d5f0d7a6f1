#include "maintenance/UpdatePrompter.h"

#include "maintenance/MaintenanceMessages.h"
#include "maintenance/UpdateChecker.h"

#include <string>
#include <utility>

namespace {

const wchar_t kSoftwareTitle[] = L"Software Updates";
const wchar_t kFirmwareTitle[] = L"Firmware Updates";
const int kModeOk = 0;
const int kModeYesNo = 4;
const unsigned kAnswerYes = 1;

} // namespace

UpdatePrompter::UpdatePrompter(const UpdateChecker& versions, MessageBoxFunction showMessageBox,
                               QueueFunction queueCommand)
    : m_versions(versions), m_showMessageBox(std::move(showMessageBox)),
      m_queueCommand(std::move(queueCommand)) {}

LRESULT UpdatePrompter::OnUpdateResult(WPARAM kind, LPARAM newer) {
    if (kind == UPDATE_KIND_SOFTWARE) {
        if (newer)
            Offer(m_versions.ServerSoftwareVersion(), kSoftwareTitle, COMMAND_SOFTWARE_UPDATE);
        else
            m_showMessageBox(L"The software is the latest version!", kSoftwareTitle, kModeOk);
    } else if (kind == UPDATE_KIND_FIRMWARE) {
        if (newer)
            Offer(m_versions.ServerFirmwareVersion(), kFirmwareTitle, COMMAND_FIRMWARE_UPDATE);
        else
            m_showMessageBox(L"The Firmware is the latest version!", kFirmwareTitle, kModeOk);
    }
    return 0;
}

void UpdatePrompter::Offer(const std::wstring& version, const wchar_t* title, int downloadCommand) {
    std::wstring text = L"Detected the latest version:v" + version + L", update now?";
    if (m_showMessageBox(text.c_str(), title, kModeYesNo) == kAnswerYes)
        m_queueCommand(downloadCommand);
}
