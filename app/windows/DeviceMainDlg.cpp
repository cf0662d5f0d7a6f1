// DeviceMainDlg: construction and teardown, creation in the corner, initialisation, the controls, the
// pointer and the window's own messages and timers.
#include "windows/DeviceMainDlg.h"

#include <utility>

#include "controls/MPicture.h"
#include "core/Manager.h"
#include "maintenance/MaintenanceMessages.h"
#include "relay/CHidDeviceManager.h"
#include "relay/RelayCommands.h"
#include "windows/MainWindowPlacement.h"

namespace {

const DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const wchar_t kCelsiusBackground[] = L"img_cpu_bkg5.png";
const wchar_t kFahrenheitBackground[] = L"img_cpu_bkg6.png";
const wchar_t kCloseImage[] = L"img_btn_close.png";
const Vantix::CRect kCloseRect(295, 25, 313, 42);
const int kUnitAreaLeft = 40;
const int kUnitAreaTop = 155;
const int kUnitAreaInset = 40;

// Shared with the executable's resources: the system frees it, not the window.
HICON ApplicationIcon() {
    return LoadIconW(Vantix::Manager::GetInstance(), MAKEINTRESOURCEW(DeviceMainDlg::kApplicationIconId));
}

} // namespace

DeviceMainDlg::DeviceMainDlg(MainWindowServices services)
    : m_services(std::move(services)), m_store(m_services.settingsKey.c_str()), m_settings(m_store),
      m_worker(*this, m_services.recordName.c_str()),
      m_updates([](int& version) { return CHidDeviceManager::Instance().QueryFirmwareVersion(version); },
                m_services.showMessageBox, [this](int command) { m_worker.QueueCommand(command); }),
      m_updateCommands(m_updates), m_deviceWatcher(m_worker.Queue()),
      m_serverWatch(m_worker.Record(), m_services.startMonitorServer, m_services.monitorServerRunning),
      m_tray(m_services.notifyIcon, m_services.trayIconPath, ApplicationIcon()),
      m_taskbarCreated(RegisterWindowMessageW(L"TaskbarCreated")) {
    m_worker.SetWindow(this);
    m_worker.SetCommandHandler(&m_updateCommands);
}

DeviceMainDlg::~DeviceMainDlg() {
    // The worker uses every member below; it must be gone first.
    m_updates.CancelTransfers();
    WaitUntilEnded();
    DestroyWindow();
    RemoveTrayIcon();
}

HWND DeviceMainDlg::CreateMainWindow() {
    return Create(nullptr, L"DIGITAL", kStyle, WS_EX_TOOLWINDOW, MainWindowPlacement::Current());
}

UINT DeviceMainDlg::Run() {
    CreateMainWindow();
    // The window is shown by its initialisation already; a hide here would leave the corner empty.
    return ShowModal(SW_SHOWNA);
}

bool DeviceMainDlg::StopWorker() {
    m_updates.CancelTransfers();
    return Stop();
}

BOOL DeviceMainDlg::OnInitDialog() {
    MDialog::OnInitDialog();
    m_settings.Load();
    m_worker.SetTemperatureUnit(m_settings.TemperatureUnit());
    LoadUnitBackground();
    m_services.registerStartupTask();
    m_services.startMonitorServer();
    InitTray();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    m_updates.SetNotifyWindow(m_hWnd);
    Start();
    m_worker.QueueCommand(kCommandAutoSoftwareCheck);
    m_worker.QueueCommand(kCommandRefreshDevices);
    m_worker.QueueCommand(kCommandAutoFirmwareCheck);
    SetTimer(kServerWatchTimer, kServerWatchMs, nullptr);
    return TRUE;
}

void DeviceMainDlg::InitUI(Vantix::CRect rect) {
    SetLayeredWindow(TRUE);
    EnableDrawInfo(TRUE);
    m_closePicture = CreateArea(L"MPicture", kClosePictureId, Vantix::CRect(), nullptr, 1, 1);
    if (m_closePicture)
        static_cast<Vantix::MPicture*>(m_closePicture)->SetImage(kCloseImage, 1);
    UISize(rect);
}

void DeviceMainDlg::UISize(Vantix::CRect rect) {
    if (rect.Width() <= 10)
        return;
    m_closeRect = kCloseRect;
    if (m_closePicture)
        m_closePicture->SetRect(m_closeRect);
    m_unitArea =
        Vantix::CRect(kUnitAreaLeft, kUnitAreaTop, rect.right - kUnitAreaInset, rect.bottom - kUnitAreaInset);
}

LRESULT DeviceMainDlg::OnMessage(UINT, UINT, WPARAM, LPARAM) {
    return 0;
}

LRESULT DeviceMainDlg::OnMouseMove(UINT keys, Vantix::CPoint point) {
    const LRESULT result = MDialog::OnMouseMove(keys, point);
    const bool inside = m_closeRect.PtInRect(point) != FALSE;
    if (inside != m_hover) {
        m_hover = inside;
        RepaintAll();
    }
    return result;
}

LRESULT DeviceMainDlg::OnLButtonDown(UINT keys, Vantix::CPoint point) {
    const LRESULT result = MDialog::OnLButtonDown(keys, point);
    if (m_unitArea.PtInRect(point))
        m_worker.SetTemperatureUnit(m_settings.ToggleTemperatureUnit());
    else if (m_closeRect.PtInRect(point))
        ShowWindow(SW_HIDE);
    LoadUnitBackground();
    RepaintAll();
    return result;
}

LRESULT DeviceMainDlg::OnLButtonUp(UINT keys, Vantix::CPoint point) {
    return MDialog::OnLButtonUp(keys, point);
}

void DeviceMainDlg::OnTimer(UINT id) {
    switch (id) {
    case kTrayTimer:
        KillTimer(kTrayTimer);
        RemoveTrayIcon();
        AddTrayIcon();
        MoveToCorner();
        break;
    case kTrayRetryTimer:
        AddTrayIcon();
        break;
    case kServerWatchTimer:
        if (m_serverWatch.OnTimerTick())
            KillTimer(kServerWatchTimer);
        break;
    default:
        break;
    }
}

LRESULT DeviceMainDlg::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DEVICECHANGE:
        return OnDeviceChange(wParam, lParam);
    case WM_POWERBROADCAST:
        return m_deviceWatcher.OnPowerBroadcast(wParam);
    case TrayIcon::kCallbackMessage:
        return OnTrayNotify(lParam);
    case WM_UPDATE_RESULT:
        return m_updates.OnUpdateResult(wParam, lParam);
    case WM_DOWNLOAD_PROGRESS:
        // Progress is not shown anywhere.
        return 0;
    case WM_COMMAND:
        OnCommand(wParam);
        break;
    default:
        if (m_taskbarCreated != 0 && msg == m_taskbarCreated) {
            m_tray.Forget();
            AddTrayIcon();
            return 0;
        }
        break;
    }
    return MDialog::OnWindowMessage(msg, wParam, lParam);
}

void DeviceMainDlg::OnCommand(WPARAM command) {
    switch (command) {
    case kExitCommand:
        RemoveTrayIcon();
        ExitProcess(0);
    case kFirmwareCheckCommand:
        m_worker.QueueCommand(kCommandManualFirmwareCheck);
        break;
    case kSoftwareCheckCommand:
        m_worker.QueueCommand(kCommandManualSoftwareCheck);
        break;
    default:
        break;
    }
}

LRESULT DeviceMainDlg::OnDestroy() {
    // A property left on a destroyed window is never freed, the shell must not keep an icon whose window
    // is gone, and the worker has nothing left to repaint.
    RemovePropW(m_hWnd, kWindowProperty);
    RemoveTrayIcon();
    m_worker.SetWindow(nullptr);
    return MDialog::OnDestroy();
}

void DeviceMainDlg::LoadUnitBackground() {
    LoadBKImage(m_settings.TemperatureUnit() != 0 ? kFahrenheitBackground : kCelsiusBackground);
}

void DeviceMainDlg::RepaintAll() {
    Vantix::CRect client;
    GetClientRect(&client);
    InvalidateRect(client, FALSE);
}

void DeviceMainDlg::MoveToCorner() {
    const Vantix::CRect rect = MainWindowPlacement::Current();
    MoveWindow(rect.left, rect.top, MainWindowPlacement::kWidth, MainWindowPlacement::kHeight, TRUE);
}
