// Test support: a Task Scheduler 2.0 service of our own that records every value a caller sets and can
// fail any chosen step with a chosen HRESULT.
#pragma once

#include <windows.h>
#include <taskschd.h>

#include <string>
#include <vector>

struct TaskRecord {
    enum Step {
        NONE,
        CONNECT,
        GET_FOLDER,
        NEW_TASK,
        GET_TRIGGERS,
        CREATE_TRIGGER,
        PUT_TRIGGER_ID,
        GET_PRINCIPAL,
        PUT_RUN_LEVEL,
        GET_SETTINGS,
        GET_ACTIONS,
        CREATE_ACTION,
        QUERY_EXEC_ACTION,
        PUT_PATH,
        REGISTER,
    };

    Step failAt = NONE;
    HRESULT failure = E_FAIL;

    std::vector<Step> steps;
    std::vector<VARTYPE> connectArguments;
    std::wstring folderPath;
    DWORD newTaskFlags = 0xFFFFFFFF;
    int triggerType = -1;
    std::wstring triggerId;
    int runLevel = -1;
    // "Name=value" in call order; booleans as VARIANT_BOOL numbers.
    std::vector<std::wstring> settings;
    // Anything else set on the definition, trigger, principal or action ("Name=value").
    std::vector<std::wstring> otherValues;
    int actionType = -1;
    std::wstring actionPath;
    std::wstring registeredPath;
    bool registeredOurDefinition = false;
    LONG registerFlags = -1;
    VARTYPE userType = VT_ILLEGAL;
    VARTYPE passwordType = VT_ILLEGAL;
    int logonType = -1;
    VARTYPE sddlType = VT_ILLEGAL;
    std::wstring sddl;
    bool askedForRegisteredTask = false;

    // Fake objects alive right now; 0 after a caller released everything.
    long liveObjects = 0;
};

class FakeTaskScheduler {
public:
    // A new service object with one reference, owned by the caller.
    static ITaskService* CreateService(TaskRecord& record);
};
