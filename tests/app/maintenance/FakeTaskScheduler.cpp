#include "FakeTaskScheduler.h"

#define NOT_USED(name, ...)                                                                                  \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override {                                                   \
        return E_NOTIMPL;                                                                                    \
    }

namespace {

std::wstring Text(BSTR value) {
    return value ? std::wstring(value) : std::wstring();
}

// Reference counting, IDispatch stubs and step bookkeeping shared by every fake interface.
template <class Interface> class FakeObject : public Interface {
public:
    explicit FakeObject(TaskRecord& record) : m_record(record) { ++m_record.liveObjects; }
    virtual ~FakeObject() { --m_record.liveObjects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
            *out = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }
    NOT_USED(GetTypeInfoCount, UINT*)
    NOT_USED(GetTypeInfo, UINT, LCID, ITypeInfo**)
    NOT_USED(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
    NOT_USED(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)

protected:
    HRESULT Step(TaskRecord::Step step) {
        m_record.steps.push_back(step);
        return m_record.failAt == step ? m_record.failure : S_OK;
    }
    void Other(const std::wstring& value) { m_record.otherValues.push_back(value); }

    TaskRecord& m_record;

private:
    ULONG m_references = 1;
};

// Hands out a new fake (or the failure of its step) through an out pointer.
template <class Fake, class Interface> HRESULT Produce(HRESULT step, TaskRecord& record, Interface** out) {
    *out = nullptr;
    if (FAILED(step))
        return step;
    *out = new Fake(record);
    return S_OK;
}

class FakeExecAction : public FakeObject<IExecAction> {
public:
    using FakeObject::FakeObject;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IExecAction) {
            HRESULT result = Step(TaskRecord::QUERY_EXEC_ACTION);
            if (FAILED(result)) {
                *out = nullptr;
                return result;
            }
        }
        if (iid == __uuidof(IAction)) {
            *out = static_cast<IAction*>(this);
            AddRef();
            return S_OK;
        }
        return FakeObject::QueryInterface(iid, out);
    }
    NOT_USED(get_Id, BSTR*)
    HRESULT STDMETHODCALLTYPE put_Id(BSTR id) override {
        Other(L"ActionId=" + Text(id));
        return S_OK;
    }
    NOT_USED(get_Type, TASK_ACTION_TYPE*)
    NOT_USED(get_Path, BSTR*)
    HRESULT STDMETHODCALLTYPE put_Path(BSTR path) override {
        m_record.actionPath = Text(path);
        return Step(TaskRecord::PUT_PATH);
    }
    NOT_USED(get_Arguments, BSTR*)
    HRESULT STDMETHODCALLTYPE put_Arguments(BSTR value) override {
        Other(L"Arguments=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_WorkingDirectory, BSTR*)
    HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR value) override {
        Other(L"WorkingDirectory=" + Text(value));
        return S_OK;
    }
};

class FakeActions : public FakeObject<IActionCollection> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_Count, LONG*)
    NOT_USED(get_Item, LONG, IAction**)
    NOT_USED(get__NewEnum, IUnknown**)
    NOT_USED(get_XmlText, BSTR*)
    NOT_USED(put_XmlText, BSTR)
    HRESULT STDMETHODCALLTYPE Create(TASK_ACTION_TYPE type, IAction** action) override {
        m_record.actionType = type;
        return Produce<FakeExecAction>(Step(TaskRecord::CREATE_ACTION), m_record, action);
    }
    NOT_USED(Remove, VARIANT)
    NOT_USED(Clear)
    NOT_USED(get_Context, BSTR*)
    NOT_USED(put_Context, BSTR)
};

class FakeTrigger : public FakeObject<ITrigger> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_Type, TASK_TRIGGER_TYPE2*)
    NOT_USED(get_Id, BSTR*)
    HRESULT STDMETHODCALLTYPE put_Id(BSTR id) override {
        m_record.triggerId = Text(id);
        return Step(TaskRecord::PUT_TRIGGER_ID);
    }
    NOT_USED(get_Repetition, IRepetitionPattern**)
    NOT_USED(put_Repetition, IRepetitionPattern*)
    NOT_USED(get_ExecutionTimeLimit, BSTR*)
    HRESULT STDMETHODCALLTYPE put_ExecutionTimeLimit(BSTR value) override {
        Other(L"TriggerExecutionTimeLimit=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_StartBoundary, BSTR*)
    HRESULT STDMETHODCALLTYPE put_StartBoundary(BSTR value) override {
        Other(L"StartBoundary=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_EndBoundary, BSTR*)
    HRESULT STDMETHODCALLTYPE put_EndBoundary(BSTR value) override {
        Other(L"EndBoundary=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_Enabled, VARIANT_BOOL*)
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override {
        Other(L"TriggerEnabled=" + std::to_wstring(value));
        return S_OK;
    }
};

class FakeTriggers : public FakeObject<ITriggerCollection> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_Count, LONG*)
    NOT_USED(get_Item, LONG, ITrigger**)
    NOT_USED(get__NewEnum, IUnknown**)
    HRESULT STDMETHODCALLTYPE Create(TASK_TRIGGER_TYPE2 type, ITrigger** trigger) override {
        m_record.triggerType = type;
        return Produce<FakeTrigger>(Step(TaskRecord::CREATE_TRIGGER), m_record, trigger);
    }
    NOT_USED(Remove, VARIANT)
    NOT_USED(Clear)
};

class FakePrincipal : public FakeObject<IPrincipal> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_Id, BSTR*)
    HRESULT STDMETHODCALLTYPE put_Id(BSTR value) override {
        Other(L"PrincipalId=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_DisplayName, BSTR*)
    HRESULT STDMETHODCALLTYPE put_DisplayName(BSTR value) override {
        Other(L"DisplayName=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_UserId, BSTR*)
    HRESULT STDMETHODCALLTYPE put_UserId(BSTR value) override {
        Other(L"UserId=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_LogonType, TASK_LOGON_TYPE*)
    HRESULT STDMETHODCALLTYPE put_LogonType(TASK_LOGON_TYPE value) override {
        Other(L"PrincipalLogonType=" + std::to_wstring(value));
        return S_OK;
    }
    NOT_USED(get_GroupId, BSTR*)
    HRESULT STDMETHODCALLTYPE put_GroupId(BSTR value) override {
        Other(L"GroupId=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_RunLevel, TASK_RUNLEVEL_TYPE*)
    HRESULT STDMETHODCALLTYPE put_RunLevel(TASK_RUNLEVEL_TYPE level) override {
        m_record.runLevel = level;
        return Step(TaskRecord::PUT_RUN_LEVEL);
    }
};

class FakeSettings : public FakeObject<ITaskSettings> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_AllowDemandStart, VARIANT_BOOL*)
    HRESULT STDMETHODCALLTYPE put_AllowDemandStart(VARIANT_BOOL value) override {
        return Set(L"AllowDemandStart", value);
    }
    NOT_USED(get_RestartInterval, BSTR*)
    NOT_USED(put_RestartInterval, BSTR)
    NOT_USED(get_RestartCount, INT*)
    NOT_USED(put_RestartCount, INT)
    NOT_USED(get_MultipleInstances, TASK_INSTANCES_POLICY*)
    HRESULT STDMETHODCALLTYPE put_MultipleInstances(TASK_INSTANCES_POLICY value) override {
        return Set(L"MultipleInstances", value);
    }
    NOT_USED(get_StopIfGoingOnBatteries, VARIANT_BOOL*)
    HRESULT STDMETHODCALLTYPE put_StopIfGoingOnBatteries(VARIANT_BOOL value) override {
        return Set(L"StopIfGoingOnBatteries", value);
    }
    NOT_USED(get_DisallowStartIfOnBatteries, VARIANT_BOOL*)
    HRESULT STDMETHODCALLTYPE put_DisallowStartIfOnBatteries(VARIANT_BOOL value) override {
        return Set(L"DisallowStartIfOnBatteries", value);
    }
    NOT_USED(get_AllowHardTerminate, VARIANT_BOOL*)
    NOT_USED(put_AllowHardTerminate, VARIANT_BOOL)
    NOT_USED(get_StartWhenAvailable, VARIANT_BOOL*)
    HRESULT STDMETHODCALLTYPE put_StartWhenAvailable(VARIANT_BOOL value) override {
        return Set(L"StartWhenAvailable", value);
    }
    NOT_USED(get_XmlText, BSTR*)
    NOT_USED(put_XmlText, BSTR)
    NOT_USED(get_RunOnlyIfNetworkAvailable, VARIANT_BOOL*)
    NOT_USED(put_RunOnlyIfNetworkAvailable, VARIANT_BOOL)
    NOT_USED(get_ExecutionTimeLimit, BSTR*)
    HRESULT STDMETHODCALLTYPE put_ExecutionTimeLimit(BSTR value) override {
        m_record.settings.push_back(L"ExecutionTimeLimit=" + Text(value));
        return S_OK;
    }
    NOT_USED(get_Enabled, VARIANT_BOOL*)
    NOT_USED(put_Enabled, VARIANT_BOOL)
    NOT_USED(get_DeleteExpiredTaskAfter, BSTR*)
    NOT_USED(put_DeleteExpiredTaskAfter, BSTR)
    NOT_USED(get_Priority, INT*)
    NOT_USED(put_Priority, INT)
    NOT_USED(get_Compatibility, TASK_COMPATIBILITY*)
    NOT_USED(put_Compatibility, TASK_COMPATIBILITY)
    NOT_USED(get_Hidden, VARIANT_BOOL*)
    NOT_USED(put_Hidden, VARIANT_BOOL)
    NOT_USED(get_IdleSettings, IIdleSettings**)
    NOT_USED(put_IdleSettings, IIdleSettings*)
    NOT_USED(get_RunOnlyIfIdle, VARIANT_BOOL*)
    NOT_USED(put_RunOnlyIfIdle, VARIANT_BOOL)
    NOT_USED(get_WakeToRun, VARIANT_BOOL*)
    NOT_USED(put_WakeToRun, VARIANT_BOOL)
    NOT_USED(get_NetworkSettings, INetworkSettings**)
    NOT_USED(put_NetworkSettings, INetworkSettings*)

private:
    HRESULT Set(const wchar_t* name, int value) {
        m_record.settings.push_back(std::wstring(name) + L"=" + std::to_wstring(value));
        return S_OK;
    }
};

class FakeDefinition : public FakeObject<ITaskDefinition> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_RegistrationInfo, IRegistrationInfo**)
    HRESULT STDMETHODCALLTYPE put_RegistrationInfo(IRegistrationInfo*) override {
        Other(L"RegistrationInfo");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Triggers(ITriggerCollection** triggers) override {
        return Produce<FakeTriggers>(Step(TaskRecord::GET_TRIGGERS), m_record, triggers);
    }
    NOT_USED(put_Triggers, ITriggerCollection*)
    HRESULT STDMETHODCALLTYPE get_Settings(ITaskSettings** settings) override {
        return Produce<FakeSettings>(Step(TaskRecord::GET_SETTINGS), m_record, settings);
    }
    NOT_USED(put_Settings, ITaskSettings*)
    NOT_USED(get_Data, BSTR*)
    NOT_USED(put_Data, BSTR)
    HRESULT STDMETHODCALLTYPE get_Principal(IPrincipal** principal) override {
        return Produce<FakePrincipal>(Step(TaskRecord::GET_PRINCIPAL), m_record, principal);
    }
    NOT_USED(put_Principal, IPrincipal*)
    HRESULT STDMETHODCALLTYPE get_Actions(IActionCollection** actions) override {
        return Produce<FakeActions>(Step(TaskRecord::GET_ACTIONS), m_record, actions);
    }
    NOT_USED(put_Actions, IActionCollection*)
    NOT_USED(get_XmlText, BSTR*)
    NOT_USED(put_XmlText, BSTR)
};

class FakeFolder : public FakeObject<ITaskFolder> {
public:
    using FakeObject::FakeObject;
    NOT_USED(get_Name, BSTR*)
    NOT_USED(get_Path, BSTR*)
    NOT_USED(GetFolder, BSTR, ITaskFolder**)
    NOT_USED(GetFolders, LONG, ITaskFolderCollection**)
    NOT_USED(CreateFolder, BSTR, VARIANT, ITaskFolder**)
    NOT_USED(DeleteFolder, BSTR, LONG)
    NOT_USED(GetTask, BSTR, IRegisteredTask**)
    NOT_USED(GetTasks, LONG, IRegisteredTaskCollection**)
    NOT_USED(DeleteTask, BSTR, LONG)
    NOT_USED(RegisterTask, BSTR, BSTR, LONG, VARIANT, VARIANT, TASK_LOGON_TYPE, VARIANT, IRegisteredTask**)
    HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR path, ITaskDefinition* definition, LONG flags,
                                                     VARIANT user, VARIANT password, TASK_LOGON_TYPE logon,
                                                     VARIANT sddl, IRegisteredTask** task) override {
        m_record.registeredPath = Text(path);
        m_record.registeredOurDefinition = dynamic_cast<FakeDefinition*>(definition) != nullptr;
        m_record.registerFlags = flags;
        m_record.userType = user.vt;
        m_record.passwordType = password.vt;
        m_record.logonType = logon;
        m_record.sddlType = sddl.vt;
        if (sddl.vt == VT_BSTR)
            m_record.sddl = Text(sddl.bstrVal);
        m_record.askedForRegisteredTask = task != nullptr;
        return Step(TaskRecord::REGISTER);
    }
    NOT_USED(GetSecurityDescriptor, LONG, BSTR*)
    NOT_USED(SetSecurityDescriptor, BSTR, LONG)
};

class FakeService : public FakeObject<ITaskService> {
public:
    using FakeObject::FakeObject;
    HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** folder) override {
        m_record.folderPath = Text(path);
        return Produce<FakeFolder>(Step(TaskRecord::GET_FOLDER), m_record, folder);
    }
    NOT_USED(GetRunningTasks, LONG, IRunningTaskCollection**)
    HRESULT STDMETHODCALLTYPE NewTask(DWORD flags, ITaskDefinition** definition) override {
        m_record.newTaskFlags = flags;
        return Produce<FakeDefinition>(Step(TaskRecord::NEW_TASK), m_record, definition);
    }
    HRESULT STDMETHODCALLTYPE Connect(VARIANT server, VARIANT user, VARIANT domain,
                                      VARIANT password) override {
        m_record.connectArguments = {server.vt, user.vt, domain.vt, password.vt};
        return Step(TaskRecord::CONNECT);
    }
    NOT_USED(get_Connected, VARIANT_BOOL*)
    NOT_USED(get_TargetServer, BSTR*)
    NOT_USED(get_ConnectedUser, BSTR*)
    NOT_USED(get_ConnectedDomain, BSTR*)
    NOT_USED(get_HighestVersion, DWORD*)
};

} // namespace

ITaskService* FakeTaskScheduler::CreateService(TaskRecord& record) {
    return new FakeService(record);
}
