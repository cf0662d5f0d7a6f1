// The main window's answer to WM_UPDATE_RESULT: tells the user that a version is current or asks whether
// to update, and queues the download on "YES".
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class UpdateChecker;

class UpdatePrompter {
public:
    // Shows the application's message box (text, title, mode 0 "OK" / 4 "YES" and "NO") and returns its
    // result: 1 for "OK" or "YES", 2 for "NO".
    using MessageBoxFunction = std::function<unsigned(const wchar_t* text, const wchar_t* title, int mode)>;
    // Queues a relay worker command.
    using QueueFunction = std::function<void(int command)>;

    UpdatePrompter(const UpdateChecker& versions, MessageBoxFunction showMessageBox,
                   QueueFunction queueCommand);

    // Handles one update result on the user-interface thread; returns 0.
    LRESULT OnUpdateResult(WPARAM kind, LPARAM newer);

private:
    void Offer(const std::wstring& version, const wchar_t* title, int downloadCommand);

    const UpdateChecker& m_versions;
    MessageBoxFunction m_showMessageBox;
    QueueFunction m_queueCommand;
};
