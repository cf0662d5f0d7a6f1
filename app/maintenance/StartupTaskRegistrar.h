// Registers (or updates) the logon task "TEMP StartupTask" that starts the application elevated when the
// user logs on, over the Task Scheduler 2.0 interfaces.
#pragma once

#include <windows.h>
#include <taskschd.h>

#include <functional>
#include <string>

class StartupTaskRegistrar {
public:
    // Creates the Task Scheduler service object (CoCreateInstance of CLSID_TaskScheduler by default).
    using ServiceFactory = std::function<HRESULT(ITaskService** service)>;
    // Receives one finished error line, line end included (standard error by default).
    using ErrorWriter = std::function<void(const std::string& line)>;

    StartupTaskRegistrar(ServiceFactory createService = CreateTaskService,
                         ErrorWriter writeError = WriteToStandardError,
                         std::wstring programPath = DefaultProgramPath());

    // 0 when the sequence reached the registration call (whether or not it succeeded), 1 when a step
    // before it failed. Each failure writes "<what> failed with HRESULT: 0x<code>" style lines.
    int RegisterStartupTask();

    static HRESULT CreateTaskService(ITaskService** service);
    static void WriteToStandardError(const std::string& line);
    // The application's folder followed by "Thermivo.exe", whatever the running file is called.
    static std::wstring DefaultProgramPath();

private:
    int RegisterWith(ITaskService* service);
    bool Succeeded(HRESULT result, const char* message) const;
    void ApplySettings(ITaskDefinition* definition) const;

    ServiceFactory m_createService;
    ErrorWriter m_writeError;
    std::wstring m_programPath;
};
