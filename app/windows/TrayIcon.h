// The application's entry in the notification area: one icon with the tooltip "TEMP" whose mouse events
// arrive at the main window as the tray callback message.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "windows/OwnedIcon.h"

class TrayIcon {
public:
    // Shell_NotifyIconW, or a stand-in for tests.
    using ShellFunction = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;

    static constexpr UINT kId = 109;
    static constexpr UINT kCallbackMessage = WM_USER + 666;

    // iconPath: the icon file; when it cannot be loaded, fallbackIcon (borrowed, may be null) is shown.
    TrayIcon(ShellFunction shell, std::wstring iconPath, HICON fallbackIcon);
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Loads the icon anew and adds the entry for window; true when the shell holds the entry now.
    bool Add(HWND window);
    // Takes the entry out of the shell, if it holds one.
    void Remove();
    // The shell restarted and lost every entry; the next Add puts this one back.
    void Forget() { m_shown = false; }
    bool IsShown() const { return m_shown; }
    const NOTIFYICONDATAW& Data() const { return m_data; }

private:
    HICON LoadTrayIcon();

    ShellFunction m_shell;
    std::wstring m_iconPath;
    HICON m_fallbackIcon; // borrowed
    OwnedIcon m_icon;
    NOTIFYICONDATAW m_data;
    bool m_shown = false;
};
