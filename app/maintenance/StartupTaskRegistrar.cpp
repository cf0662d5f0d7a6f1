#include "maintenance/StartupTaskRegistrar.h"

#include "maintenance/BString.h"
#include "shell/ModuleDirectory.h"

#include <wrl/client.h>

#include <cstdio>
#include <utility>

using Microsoft::WRL::ComPtr;

namespace {

const wchar_t kTaskName[] = L"TEMP StartupTask";
const wchar_t kTriggerId[] = L"Administrator";

VARIANT EmptyVariant() {
    VARIANT value;
    VariantInit(&value);
    return value;
}

} // namespace

StartupTaskRegistrar::StartupTaskRegistrar(ServiceFactory createService, ErrorWriter writeError,
                                           std::wstring programPath)
    : m_createService(std::move(createService)), m_writeError(std::move(writeError)),
      m_programPath(std::move(programPath)) {}

int StartupTaskRegistrar::RegisterStartupTask() {
    if (!Succeeded(CoInitialize(nullptr), "CoInitialize failed with HRESULT: 0x"))
        return 1;
    int result = 1;
    {
        ComPtr<ITaskService> service;
        if (Succeeded(m_createService(service.GetAddressOf()),
                      "Failed to create Task Scheduler instance with HRESULT: 0x"))
            result = RegisterWith(service.Get());
    }
    CoUninitialize();
    return result;
}

HRESULT StartupTaskRegistrar::CreateTaskService(ITaskService** service) {
    return CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                            reinterpret_cast<void**>(service));
}

void StartupTaskRegistrar::WriteToStandardError(const std::string& line) {
    fputs(line.c_str(), stderr);
    fflush(stderr);
}

std::wstring StartupTaskRegistrar::DefaultProgramPath() {
    return GetModuleDirectory() + L"Thermivo.exe";
}

// Every interface lives in a holder of this scope, so each early return releases what was obtained.
int StartupTaskRegistrar::RegisterWith(ITaskService* service) {
    VARIANT none = EmptyVariant();
    if (!Succeeded(service->Connect(none, none, none, none),
                   "Failed to connect to Task Scheduler service with HRESULT: 0x"))
        return 1;
    ComPtr<ITaskFolder> folder;
    BString root(L"\\");
    if (!Succeeded(service->GetFolder(root.Get(), folder.GetAddressOf()),
                   "Failed to get root folder with HRESULT: 0x"))
        return 1;
    ComPtr<ITaskDefinition> definition;
    if (!Succeeded(service->NewTask(0, definition.GetAddressOf()),
                   "Failed to create new task with HRESULT: 0x"))
        return 1;
    ComPtr<ITriggerCollection> triggers;
    if (!Succeeded(definition->get_Triggers(triggers.GetAddressOf()),
                   "Failed to get trigger collection with HRESULT: 0x"))
        return 1;
    ComPtr<ITrigger> trigger;
    if (!Succeeded(triggers->Create(TASK_TRIGGER_LOGON, trigger.GetAddressOf()),
                   "Failed to create trigger with HRESULT: 0x"))
        return 1;
    BString triggerId(kTriggerId);
    if (!Succeeded(trigger->put_Id(triggerId.Get()), "Failed to set trigger ID with HRESULT: 0x"))
        return 1;
    ComPtr<IPrincipal> principal;
    if (!Succeeded(definition->get_Principal(principal.GetAddressOf()),
                   "Failed to get principal with HRESULT: 0x"))
        return 1;
    if (!Succeeded(principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST),
                   "Failed to set run level with HRESULT: 0x"))
        return 1;
    ApplySettings(definition.Get());
    ComPtr<IActionCollection> actions;
    if (!Succeeded(definition->get_Actions(actions.GetAddressOf()),
                   "Failed to get action collection with HRESULT: 0x"))
        return 1;
    ComPtr<IAction> action;
    if (!Succeeded(actions->Create(TASK_ACTION_EXEC, action.GetAddressOf()),
                   "Failed to create action with HRESULT: 0x"))
        return 1;
    ComPtr<IExecAction> execAction;
    if (!Succeeded(
            action->QueryInterface(IID_IExecAction, reinterpret_cast<void**>(execAction.GetAddressOf())),
            "Failed to query exec action interface with HRESULT: 0x"))
        return 1;
    BString path(m_programPath.c_str());
    if (!Succeeded(execAction->put_Path(path.Get()), "Failed to set executable path with HRESULT: 0x"))
        return 1;
    BString taskName(kTaskName);
    BString emptyText(L"");
    VARIANT securityDescriptor = EmptyVariant();
    securityDescriptor.vt = VT_BSTR;
    securityDescriptor.bstrVal = emptyText.Get();
    Succeeded(folder->RegisterTaskDefinition(taskName.Get(), definition.Get(), TASK_CREATE_OR_UPDATE, none,
                                             none, TASK_LOGON_INTERACTIVE_TOKEN, securityDescriptor, nullptr),
              "Failed to register task definition with HRESULT: 0x");
    return 0;
}

// The results of the settings calls are not examined: a default setting still gives a working task.
void StartupTaskRegistrar::ApplySettings(ITaskDefinition* definition) const {
    ComPtr<ITaskSettings> settings;
    if (FAILED(definition->get_Settings(settings.GetAddressOf())) || !settings)
        return;
    settings->put_StopIfGoingOnBatteries(VARIANT_FALSE);
    settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE);
    settings->put_AllowDemandStart(VARIANT_TRUE);
    settings->put_StartWhenAvailable(VARIANT_FALSE);
    settings->put_MultipleInstances(TASK_INSTANCES_PARALLEL);
    BString noLimit(L"PT0S");
    settings->put_ExecutionTimeLimit(noLimit.Get());
}

bool StartupTaskRegistrar::Succeeded(HRESULT result, const char* message) const {
    if (SUCCEEDED(result))
        return true;
    char line[160];
    snprintf(line, sizeof(line), "%s%lx\n", message, static_cast<unsigned long>(result));
    m_writeError(line);
    return false;
}
