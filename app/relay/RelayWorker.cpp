#include "relay/RelayWorker.h"

#include "core/CRect.h"
#include "core/MWindow.h"
#include "core/Manager.h"
#include "relay/CHidDeviceManager.h"
#include "relay/RelayCommands.h"
#include "relay/TemperatureReport.h"

RelayWorker::RelayWorker(CThreadBasic& thread, const char* recordName)
    : m_thread(thread), m_record(recordName) {}

void RelayWorker::RunStep() {
    int code = 0;
    if (m_queue.TakeCommand(code))
        RunCommand(code);
    else
        RelayTick();
}

void RelayWorker::RunCommand(int code) {
    if (code == kCommandRefreshDevices) {
        RefreshDevices();
        return;
    }
    RelayCommandHandler* handler = m_handler.load();
    if (!handler)
        return;
    switch (code) {
    case kCommandManualSoftwareCheck:
    case kCommandAutoSoftwareCheck:
        handler->CheckSoftwareUpdate(code == kCommandManualSoftwareCheck);
        break;
    case kCommandManualFirmwareCheck:
    case kCommandAutoFirmwareCheck:
        handler->CheckFirmwareUpdate(code == kCommandManualFirmwareCheck);
        break;
    case kCommandSoftwareDownload:
        handler->DownloadSoftware();
        break;
    case kCommandFirmwareDownload:
        handler->DownloadFirmware();
        break;
    default:
        break;
    }
}

void RelayWorker::RefreshDevices() {
    CHidDeviceManager& devices = CHidDeviceManager::Instance();
    devices.ClearDeviceFilters();
    devices.AddDeviceFilter(L"", 1);
    devices.CloseAllDevices();
    devices.OpenMatchingDevices();
    devices.SetActive(true);
    m_record.MapTemperatureRecord();
}

void RelayWorker::RelayTick() {
    float celsius = 0.0f;
    if (!m_record.ReadCpuTemperature(celsius) || !TemperatureReport::IsReading(celsius))
        return;
    int value = TemperatureReport::DisplayValue(celsius, m_unit.load());
    TemperatureReport::Bytes report = TemperatureReport::Build(value);
    Vantix::Manager::SetCPUTemp(static_cast<float>(value));
    InvalidateWindow();
    CHidDeviceManager::Instance().SendReportToAll(report.data());
    m_thread.RestWhileRunning(kTickRestMs);
}

void RelayWorker::InvalidateWindow() {
    Vantix::MWindow* window = m_window.load();
    if (!window)
        return;
    Vantix::CRect client;
    window->GetClientRect(&client);
    window->InvalidateRect(client, FALSE);
}
