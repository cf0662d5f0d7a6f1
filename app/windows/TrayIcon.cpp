#include "windows/TrayIcon.h"

#include <cwchar>
#include <utility>

#include "controls/MRender.h"

TrayIcon::TrayIcon(ShellFunction shell, std::wstring iconPath, HICON fallbackIcon)
    : m_shell(std::move(shell)), m_iconPath(std::move(iconPath)), m_fallbackIcon(fallbackIcon), m_data() {
    m_data.cbSize = sizeof(m_data);
    m_data.uID = kId;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = kCallbackMessage;
    wcsncpy(m_data.szTip, L"TEMP", sizeof(m_data.szTip) / sizeof(m_data.szTip[0]) - 1);
}

bool TrayIcon::Add(HWND window) {
    if (m_shown)
        return true;
    m_data.hWnd = window;
    m_data.hIcon = LoadTrayIcon();
    // A shell that is slow to answer (at logon) may refuse the add after all but still show the entry;
    // only a modify can tell.
    m_shown = m_shell(NIM_ADD, &m_data) != FALSE || m_shell(NIM_MODIFY, &m_data) != FALSE;
    return m_shown;
}

void TrayIcon::Remove() {
    if (!m_shown)
        return;
    m_shown = false;
    m_shell(NIM_DELETE, &m_data);
}

HICON TrayIcon::LoadTrayIcon() {
    // The entry is not shown while this runs, so the shell holds no copy of the old icon.
    m_icon.Reset(Vantix::MRender::LoadIconFromFile(m_iconPath.c_str()));
    return m_icon.Get() ? m_icon.Get() : m_fallbackIcon;
}
