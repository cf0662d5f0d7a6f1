#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "FakeTaskScheduler.h"
#include "maintenance/StartupTaskRegistrar.h"

namespace {

const wchar_t kProgram[] = L"C:\\Program Files\\Thermivo\\Thermivo.exe";

class StartupTaskTest : public testing::Test {
protected:
    StartupTaskRegistrar MakeRegistrar() {
        return StartupTaskRegistrar(
            [this](ITaskService** service) {
                *service = FakeTaskScheduler::CreateService(m_record);
                return S_OK;
            },
            [this](const std::string& line) { m_lines.push_back(line); }, kProgram);
    }

    TaskRecord m_record;
    std::vector<std::string> m_lines;
};

TEST_F(StartupTaskTest, RegistersAnElevatedLogonTaskForTheProgram) {
    EXPECT_EQ(0, MakeRegistrar().RegisterStartupTask());
    EXPECT_TRUE(m_lines.empty());
    EXPECT_EQ((std::vector<VARTYPE>{VT_EMPTY, VT_EMPTY, VT_EMPTY, VT_EMPTY}), m_record.connectArguments);
    EXPECT_EQ(L"\\", m_record.folderPath);
    EXPECT_EQ(0u, m_record.newTaskFlags);
    EXPECT_EQ(TASK_TRIGGER_LOGON, m_record.triggerType);
    EXPECT_EQ(L"Administrator", m_record.triggerId);
    EXPECT_EQ(TASK_RUNLEVEL_HIGHEST, m_record.runLevel);
    EXPECT_EQ((std::vector<std::wstring>{L"StopIfGoingOnBatteries=0", L"DisallowStartIfOnBatteries=0",
                                         L"AllowDemandStart=-1", L"StartWhenAvailable=0",
                                         L"MultipleInstances=0", L"ExecutionTimeLimit=PT0S"}),
              m_record.settings);
    EXPECT_TRUE(m_record.otherValues.empty()); // no user, boundary, arguments, folder or registration info
    EXPECT_EQ(TASK_ACTION_EXEC, m_record.actionType);
    EXPECT_EQ(kProgram, m_record.actionPath);
    EXPECT_EQ(L"TEMP StartupTask", m_record.registeredPath);
    EXPECT_TRUE(m_record.registeredOurDefinition);
    EXPECT_EQ(TASK_CREATE_OR_UPDATE, m_record.registerFlags);
    EXPECT_EQ(VT_EMPTY, m_record.userType);
    EXPECT_EQ(VT_EMPTY, m_record.passwordType);
    EXPECT_EQ(TASK_LOGON_INTERACTIVE_TOKEN, m_record.logonType);
    EXPECT_EQ(VT_BSTR, m_record.sddlType);
    EXPECT_EQ(L"", m_record.sddl);
    EXPECT_FALSE(m_record.askedForRegisteredTask);
    EXPECT_EQ(0, m_record.liveObjects);
}

struct StepCase {
    TaskRecord::Step step;
    HRESULT failure;
    const char* line;
    int result;
};

const StepCase kSteps[] = {
    {TaskRecord::CONNECT, static_cast<HRESULT>(0x80070005),
     "Failed to connect to Task Scheduler service with HRESULT: 0x80070005\n", 1},
    {TaskRecord::GET_FOLDER, E_FAIL, "Failed to get root folder with HRESULT: 0x80004005\n", 1},
    {TaskRecord::NEW_TASK, E_OUTOFMEMORY, "Failed to create new task with HRESULT: 0x8007000e\n", 1},
    {TaskRecord::GET_TRIGGERS, E_FAIL, "Failed to get trigger collection with HRESULT: 0x80004005\n", 1},
    {TaskRecord::CREATE_TRIGGER, E_NOTIMPL, "Failed to create trigger with HRESULT: 0x80004001\n", 1},
    {TaskRecord::PUT_TRIGGER_ID, E_INVALIDARG, "Failed to set trigger ID with HRESULT: 0x80070057\n", 1},
    {TaskRecord::GET_PRINCIPAL, E_FAIL, "Failed to get principal with HRESULT: 0x80004005\n", 1},
    {TaskRecord::PUT_RUN_LEVEL, E_NOTIMPL, "Failed to set run level with HRESULT: 0x80004001\n", 1},
    {TaskRecord::GET_ACTIONS, E_FAIL, "Failed to get action collection with HRESULT: 0x80004005\n", 1},
    {TaskRecord::CREATE_ACTION, E_FAIL, "Failed to create action with HRESULT: 0x80004005\n", 1},
    {TaskRecord::QUERY_EXEC_ACTION, E_NOINTERFACE,
     "Failed to query exec action interface with HRESULT: 0x80004002\n", 1},
    {TaskRecord::PUT_PATH, E_FAIL, "Failed to set executable path with HRESULT: 0x80004005\n", 1},
    {TaskRecord::REGISTER, static_cast<HRESULT>(0x80070005),
     "Failed to register task definition with HRESULT: 0x80070005\n", 0},
};

TEST_F(StartupTaskTest, EachFailingStepWritesItsLineStopsAndReleasesEverything) {
    for (const StepCase& c : kSteps) {
        m_record = TaskRecord();
        m_record.failAt = c.step;
        m_record.failure = c.failure;
        m_lines.clear();
        EXPECT_EQ(c.result, MakeRegistrar().RegisterStartupTask()) << c.line;
        EXPECT_EQ(std::vector<std::string>{c.line}, m_lines);
        EXPECT_EQ(c.step, m_record.steps.back()) << c.line; // nothing after the failing step
        EXPECT_EQ(0, m_record.liveObjects) << c.line;
    }
}

TEST_F(StartupTaskTest, SettingsThatCannotBeReadAreSkipped) {
    m_record.failAt = TaskRecord::GET_SETTINGS;
    EXPECT_EQ(0, MakeRegistrar().RegisterStartupTask());
    EXPECT_TRUE(m_lines.empty());
    EXPECT_TRUE(m_record.settings.empty());
    EXPECT_EQ(L"TEMP StartupTask", m_record.registeredPath);
    EXPECT_EQ(0, m_record.liveObjects);
}

TEST_F(StartupTaskTest, AServiceThatCannotBeCreatedIsReported) {
    StartupTaskRegistrar registrar(
        [](ITaskService** service) {
            *service = nullptr;
            return REGDB_E_CLASSNOTREG;
        },
        [this](const std::string& line) { m_lines.push_back(line); }, kProgram);
    EXPECT_EQ(1, registrar.RegisterStartupTask());
    EXPECT_EQ(std::vector<std::string>{"Failed to create Task Scheduler instance with HRESULT: 0x80040154\n"},
              m_lines);
}

TEST_F(StartupTaskTest, ACoInitializeFailureEndsAtOnce) {
    int result = -1;
    bool created = false;
    // A thread in the multithreaded apartment cannot enter a single-threaded one.
    std::thread worker([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        StartupTaskRegistrar registrar(
            [&created](ITaskService**) {
                created = true;
                return E_FAIL;
            },
            [this](const std::string& line) { m_lines.push_back(line); }, kProgram);
        result = registrar.RegisterStartupTask();
        CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(1, result);
    EXPECT_FALSE(created);
    EXPECT_EQ(std::vector<std::string>{"CoInitialize failed with HRESULT: 0x80010106\n"}, m_lines);
}

TEST_F(StartupTaskTest, WinesOwnSchedulerStopsAtTheLogonTrigger) {
    std::vector<std::string> lines;
    StartupTaskRegistrar registrar(
        StartupTaskRegistrar::CreateTaskService, [&lines](const std::string& line) { lines.push_back(line); },
        kProgram);
    int result = registrar.RegisterStartupTask();
    ASSERT_EQ(1u, lines.size());
    if (lines[0].find("Failed to create trigger") == std::string::npos)
        GTEST_SKIP() << "this scheduler supports logon triggers: " << lines[0];
    EXPECT_EQ("Failed to create trigger with HRESULT: 0x80004001\n", lines[0]);
    EXPECT_EQ(1, result);
}

TEST_F(StartupTaskTest, TheTaskStartsThermivoExeBesideTheRunningProgram) {
    std::wstring path = StartupTaskRegistrar::DefaultProgramPath();
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.rfind(L'\\') + 1);
    EXPECT_EQ(folder + L"Thermivo.exe", path);
}

} // namespace
