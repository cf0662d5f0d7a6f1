// DeviceMainDlg: the tray set-up, the tray icon's life through shell restarts, and its mouse events.
#include "windows/DeviceMainDlg.h"

#include <imm.h>

#include "relay/CHidDeviceManager.h"
#include "windows/TrayMenu.h"

void DeviceMainDlg::InitTray() {
    SetPropW(m_hWnd, kWindowProperty, reinterpret_cast<HANDLE>(1));
    AllowTaskbarCreated();
    AddTrayIcon();
    SetIcon(kApplicationIconId);
    SetTimer(kTrayTimer, kTrayDelayMs, nullptr);
    if (HIMC context = ImmGetContext(m_hWnd)) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(m_hWnd, context);
    }
    ImmAssociateContext(m_hWnd, nullptr);
    RegisterDeviceChangeNotifications();
}

void DeviceMainDlg::AllowTaskbarCreated() {
    // An elevated process gets the broadcast of the (unelevated) shell only when it lets it through.
    if (m_taskbarCreated != 0)
        ChangeWindowMessageFilterEx(m_hWnd, m_taskbarCreated, MSGFLT_ALLOW, nullptr);
}

void DeviceMainDlg::AddTrayIcon() {
    if (m_tray.Add(m_hWnd))
        KillTimer(kTrayRetryTimer);
    else
        SetTimer(kTrayRetryTimer, kTrayRetryMs, nullptr);
}

LRESULT DeviceMainDlg::OnTrayNotify(LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        SetForegroundWindow(m_hWnd);
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow(m_hWnd);
        BringWindowToTop(m_hWnd);
        MoveToCorner();
        break;
    case WM_RBUTTONUP:
        TrayMenu::Show(m_hWnd, CHidDeviceManager::Instance().GetDeviceCount());
        break;
    default:
        break;
    }
    return 0;
}
