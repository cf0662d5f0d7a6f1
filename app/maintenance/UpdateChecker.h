// The update state (server folders, own version, last versions the server published) and the four
// update-check commands that the relay worker runs.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>

#include "maintenance/UrlTextFetcher.h"

class UpdateChecker {
public:
    // Asks the first open display for its firmware number; false when there is none or it does not answer.
    using FirmwareQuery = std::function<bool(int& version)>;

    UpdateChecker(FirmwareQuery queryFirmware, std::wstring softwareBaseUrl, std::wstring firmwareBaseUrl,
                  std::wstring localSoftwareVersion);

    // The window that receives WM_UPDATE_RESULT.
    void SetNotifyWindow(HWND window) { m_notifyWindow = window; }

    // Commands 3 (manual) and 5 (automatic): a manual check also reports a current version.
    void RunSoftwareCheck(bool manual);
    // Commands 4 (manual) and 6 (automatic).
    void RunFirmwareCheck(bool manual);
    // Ends a running check's download early (shutdown).
    void Cancel() { m_fetcher.Cancel(); }

    const std::wstring& SoftwareBaseUrl() const { return m_softwareBaseUrl; }
    const std::wstring& FirmwareBaseUrl() const { return m_firmwareBaseUrl; }
    const std::wstring& LocalSoftwareVersion() const { return m_localSoftwareVersion; }
    // Written by the worker, read by the user-interface thread: copies under the lock.
    std::wstring ServerSoftwareVersion() const;
    std::wstring ServerFirmwareVersion() const;

private:
    bool Fetch(const std::wstring& baseUrl, std::wstring& body);
    void PostResult(WPARAM kind, bool newer) const;

    FirmwareQuery m_queryFirmware;
    const std::wstring m_softwareBaseUrl;
    const std::wstring m_firmwareBaseUrl;
    const std::wstring m_localSoftwareVersion;
    HWND m_notifyWindow = nullptr;
    UrlTextFetcher m_fetcher;
    mutable std::mutex m_lock;
    std::wstring m_serverSoftwareVersion;
    std::wstring m_serverFirmwareVersion;
};
