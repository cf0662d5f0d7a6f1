// Everything the main window holds for updates: the update state and checks, the prompts and the package
// installer, reached through the worker commands 3 to 8 and the WM_UPDATE_RESULT handler.
#pragma once

#include <windows.h>

#include "maintenance/PackageDownloader.h"
#include "maintenance/PackageInstaller.h"
#include "maintenance/UpdateChecker.h"
#include "maintenance/UpdatePrompter.h"

class UpdateService {
public:
    // Uses the update server of UpdateServer, the application's own version and the per-user data folder.
    UpdateService(UpdateChecker::FirmwareQuery queryFirmware,
                  UpdatePrompter::MessageBoxFunction showMessageBox,
                  UpdatePrompter::QueueFunction queueCommand);

    // The window that receives WM_UPDATE_RESULT and WM_DOWNLOAD_PROGRESS.
    void SetNotifyWindow(HWND window);
    // Runs one of the worker commands 3 to 8 on the worker thread; false for any other code.
    bool RunCommand(int command);
    // The WM_UPDATE_RESULT handler, on the user-interface thread.
    LRESULT OnUpdateResult(WPARAM kind, LPARAM newer) { return m_prompter.OnUpdateResult(kind, newer); }
    // Ends a running check or download after its current read, so the worker can stop (shutdown).
    void CancelTransfers();

    const UpdateChecker& Checker() const { return m_checker; }

private:
    UpdateChecker m_checker;
    PackageDownloader m_downloader;
    PackageInstaller m_installer;
    UpdatePrompter m_prompter;
    HWND m_notifyWindow = nullptr;
};
