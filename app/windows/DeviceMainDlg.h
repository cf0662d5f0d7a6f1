// The application's main window: the temperature in large digits in the bottom-right corner of the work
// area, a click on the unit strip switching Celsius and Fahrenheit, a close button that hides the window.
// It is also the home of the relay worker, the tray icon, the device notifications, the server watch and
// the update flow, and its initialisation starts them all.
#pragma once

#include <windows.h>

#include "controls/MControl.h"
#include "core/CPoint.h"
#include "core/CRect.h"
#include "core/MDialog.h"
#include "maintenance/UpdateService.h"
#include "relay/CThreadBasic.h"
#include "relay/DeviceChangeWatcher.h"
#include "relay/RelayWorker.h"
#include "relay/ServerWatch.h"
#include "shell/AppSettings.h"
#include "shell/SettingsStore.h"
#include "windows/MainWindowServices.h"
#include "windows/TrayIcon.h"
#include "windows/UpdateCommandHandler.h"

class DeviceMainDlg : public Vantix::MDialog, public CThreadBasic {
public:
    enum TimerId : UINT { kTrayTimer = 200, kTrayRetryTimer = 201, kServerWatchTimer = 300 };
    enum CommandId : WPARAM { kExitCommand = 100, kFirmwareCheckCommand = 101, kSoftwareCheckCommand = 102 };
    static constexpr UINT kTrayDelayMs = 10000;
    static constexpr UINT kTrayRetryMs = 2000;
    static constexpr UINT kServerWatchMs = 5000;
    static constexpr UINT kClosePictureId = 31;
    static constexpr UINT kApplicationIconId = 107;
    // Marks the application's window among the top-level windows (value 1).
    static constexpr wchar_t kWindowProperty[] = L"TEMP";

    explicit DeviceMainDlg(MainWindowServices services = MainWindowServices::Defaults());
    // Stops the worker, takes the tray icon away and destroys a window still left.
    ~DeviceMainDlg() override;

    // Creates the window in the corner of the work area; OnInitDialog runs inside. The window, or null.
    HWND CreateMainWindow();
    // Creates the window and runs its modal loop; the loop's result.
    UINT Run();
    // Ends running transfers and stops the worker (shutdown); false while a command still runs.
    bool StopWorker();

    // Tray icon: marks the window, adds the icon, sets the window icon, starts timer 200, switches the input
    // method off and registers for device notifications.
    void InitTray();
    // A failed add (the shell may not be up yet at logon) is tried again every few seconds.
    void AddTrayIcon();
    void RemoveTrayIcon() { m_tray.Remove(); }
    // A mouse event on the tray icon; 0.
    LRESULT OnTrayNotify(LPARAM mouseMessage);

    void RegisterDeviceChangeNotifications() { m_deviceWatcher.RegisterDeviceChangeNotifications(m_hWnd); }
    LRESULT OnDeviceChange(WPARAM event, LPARAM header) {
        return m_deviceWatcher.OnDeviceChange(event, header);
    }

    int TemperatureUnit() const { return m_settings.TemperatureUnit(); }
    RelayWorker& Worker() { return m_worker; }
    const TrayIcon& Tray() const { return m_tray; }

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void InitUI(Vantix::CRect rect) override;
    void UISize(Vantix::CRect rect) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseMove(UINT keys, Vantix::CPoint point) override;
    LRESULT OnLButtonDown(UINT keys, Vantix::CPoint point) override;
    LRESULT OnLButtonUp(UINT keys, Vantix::CPoint point) override;
    void OnTimer(UINT id) override;
    LRESULT OnDestroy() override;

protected:
    void RunStep() override { m_worker.RunStep(); }

private:
    // The tray menu's "Exit" (which ends the process at once) and the two check commands.
    void OnCommand(WPARAM command);
    void LoadUnitBackground();
    void RepaintAll();
    void MoveToCorner();
    void AllowTaskbarCreated();

    MainWindowServices m_services;
    SettingsStore m_store;
    AppSettings m_settings;
    RelayWorker m_worker;
    UpdateService m_updates;
    UpdateCommandHandler m_updateCommands;
    DeviceChangeWatcher m_deviceWatcher;
    ServerWatch m_serverWatch;
    TrayIcon m_tray;
    const UINT m_taskbarCreated;                // the shell's broadcast after it (re)starts
    Vantix::MControl* m_closePicture = nullptr; // owned by the control host
    Vantix::CRect m_closeRect;
    Vantix::CRect m_unitArea;
    bool m_hover = false;
};
