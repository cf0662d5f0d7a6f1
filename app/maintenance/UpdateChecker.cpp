#include "maintenance/UpdateChecker.h"

#include "maintenance/MaintenanceMessages.h"
#include "maintenance/VersionText.h"

#include <utility>

UpdateChecker::UpdateChecker(FirmwareQuery queryFirmware, std::wstring softwareBaseUrl,
                             std::wstring firmwareBaseUrl, std::wstring localSoftwareVersion)
    : m_queryFirmware(std::move(queryFirmware)), m_softwareBaseUrl(std::move(softwareBaseUrl)),
      m_firmwareBaseUrl(std::move(firmwareBaseUrl)), m_localSoftwareVersion(std::move(localSoftwareVersion)) {
}

void UpdateChecker::RunSoftwareCheck(bool manual) {
    std::wstring body;
    if (!Fetch(m_softwareBaseUrl, body) || !VersionText::IsSoftwareVersion(body))
        return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_serverSoftwareVersion = body;
    }
    int comparison = VersionText::CompareVersionStrings(m_localSoftwareVersion, body);
    // A version with another number of parts is offered too: the server decides the numbering.
    bool newer = comparison == VersionText::B_IS_NEWER || comparison == VersionText::DIFFERENT_PART_COUNT;
    if (newer || manual)
        PostResult(UPDATE_KIND_SOFTWARE, newer);
}

void UpdateChecker::RunFirmwareCheck(bool manual) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_serverFirmwareVersion.clear();
    }
    std::wstring body;
    if (!Fetch(m_firmwareBaseUrl, body) || !VersionText::IsFirmwareVersion(body))
        return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_serverFirmwareVersion = body;
    }
    int displayFirmware = -1;
    if (!m_queryFirmware || !m_queryFirmware(displayFirmware))
        displayFirmware = -1;
    // Without a display's answer there is nothing to compare with: saying "latest" would be a guess.
    if (displayFirmware == -1)
        return;
    bool newer = VersionText::IsNewerFirmware(body, displayFirmware);
    if (newer || manual)
        PostResult(UPDATE_KIND_FIRMWARE, newer);
}

std::wstring UpdateChecker::ServerSoftwareVersion() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_serverSoftwareVersion;
}

std::wstring UpdateChecker::ServerFirmwareVersion() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_serverFirmwareVersion;
}

bool UpdateChecker::Fetch(const std::wstring& baseUrl, std::wstring& body) {
    return m_fetcher.FetchUrlText(baseUrl + L"version", body) == UrlTextFetcher::FETCH_DONE;
}

void UpdateChecker::PostResult(WPARAM kind, bool newer) const {
    if (m_notifyWindow)
        PostMessageW(m_notifyWindow, WM_UPDATE_RESULT, kind, newer ? 1 : 0);
}
