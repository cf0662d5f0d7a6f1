#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>
#include <windows.h>
#include <tlhelp32.h>

#include "ProbexaProcess.h"
#include "RecordWriter.h"
#include "TestRecordName.h"
#include "relay/ProcessControl.h"
#include "relay/TemperatureRecord.h"
#include "shell/ModuleDirectory.h"

namespace {

// Copies of bin/Sleeper.exe under a name no other test process uses, so ending by name is safe here.
class SleeperCopies : public testing::Test {
protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_name = L"slp" + std::to_wstring(GetCurrentProcessId()) + L".exe";
        m_path = std::wstring(folder) + m_name;
        ASSERT_TRUE(CopyFileW((GetModuleDirectory() + L"Sleeper.exe").c_str(), m_path.c_str(), FALSE));
    }
    void TearDown() override {
        for (UniqueHandle& process : m_processes) {
            TerminateProcess(process.Get(), 0);
            WaitForSingleObject(process.Get(), 5000);
        }
        m_processes.clear();
        DeleteFileW(m_path.c_str());
    }

    HANDLE StartCopy() {
        std::wstring commandLine = L"\"" + m_path + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info))
            return nullptr;
        UniqueHandle thread(info.hThread);
        m_processes.emplace_back(info.hProcess);
        m_ids.push_back(info.dwProcessId);
        return info.hProcess;
    }

    // Process ids of the copies in the order a snapshot lists them.
    std::vector<DWORD> SnapshotOrder() const {
        std::vector<DWORD> order;
        UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof(entry);
        for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
             more = Process32NextW(snapshot.Get(), &entry)) {
            if (_wcsicmp(entry.szExeFile, m_name.c_str()) == 0)
                order.push_back(entry.th32ProcessID);
        }
        return order;
    }

    HANDLE ProcessOf(DWORD id) const {
        for (size_t i = 0; i < m_ids.size(); ++i) {
            if (m_ids[i] == id)
                return m_processes[i].Get();
        }
        return nullptr;
    }

    std::wstring m_name;
    std::wstring m_path;
    std::vector<UniqueHandle> m_processes;
    std::vector<DWORD> m_ids;
};

bool HasEnded(HANDLE process, DWORD waitMs) {
    return WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

TEST_F(SleeperCopies, OnlyTheFirstCopyInSnapshotOrderEnds) {
    ASSERT_NE(nullptr, StartCopy());
    ASSERT_NE(nullptr, StartCopy());
    std::vector<DWORD> order = SnapshotOrder();
    ASSERT_EQ(2u, order.size());
    EXPECT_TRUE(KillProcessByName(m_name.c_str()));
    EXPECT_TRUE(HasEnded(ProcessOf(order[0]), 5000));
    EXPECT_FALSE(HasEnded(ProcessOf(order[1]), 200));
}

TEST_F(SleeperCopies, NameCaseIsIgnored) {
    const std::wstring variants[] = {Upper(m_name), m_name, L"SLP" + m_name.substr(3)};
    for (const std::wstring& variant : variants) {
        HANDLE process = StartCopy();
        ASSERT_NE(nullptr, process);
        EXPECT_TRUE(KillProcessByName(variant.c_str()));
        EXPECT_TRUE(HasEnded(process, 5000))
            << "name given as " << std::string(variant.begin(), variant.end());
    }
}

TEST_F(SleeperCopies, RunningUntilItEnds) {
    EXPECT_FALSE(IsProcessRunning(m_name.c_str()));
    HANDLE process = StartCopy();
    ASSERT_NE(nullptr, process);
    EXPECT_TRUE(IsProcessRunning(Upper(m_name).c_str()));
    TerminateProcess(process, 0);
    ASSERT_TRUE(HasEnded(process, 5000));
    EXPECT_FALSE(IsProcessRunning(m_name.c_str()));
}

TEST(KillProcessByName, NoMatchStillReadsTheList) {
    EXPECT_TRUE(KillProcessByName(L"no-such-program-42.exe"));
}

TEST(MonitorServer, CommandLineFollowsTheWindowsAnswer) {
    std::wstring folder = GetModuleDirectory();
    EXPECT_EQ(L"\"" + folder + L"\\HardwareMonitor\\Probexa.exe\"", MonitorServerCommandLine(true));
    EXPECT_EQ(L"\"" + folder + L"\\HardwareMonitorWin7\\Probexa.exe\"", MonitorServerCommandLine(false));
}

// Either build found beside the tests publishes into the record it is told to use.
TEST(MonitorServer, BothServerBuildsStart) {
    for (bool windows10 : {true, false}) {
        std::string record = TestRecordName("start");
        ProbexaProcess::UseSettings("record=" + record +
                                    "\r\nmode=fixed\r\nvalue=55.5\r\nlifetime_ms=3000\r\n");
        RecordWriter reader(record);
        ASSERT_TRUE(StartDetachedProcess(MonitorServerCommandLine(windows10)));
        EXPECT_TRUE(
            WaitUntil([&] { return reader.ReadFloat(TemperatureRecord::kServerStatusOffset) > 0.0f; }, 10000))
            << (windows10 ? "HardwareMonitor" : "HardwareMonitorWin7");
        EXPECT_EQ(55.5f, reader.ReadFloat(TemperatureRecord::kCpuTemperatureOffset));
    }
}

TEST(TemperatureRecord, MappedBeforeTheServerReadsZeroUntilItWrites) {
    std::string name = TestRecordName("before");
    TemperatureRecord record(name.c_str());
    EXPECT_FALSE(record.IsMapped());
    float value = -1.0f;
    EXPECT_FALSE(record.ReadCpuTemperature(value));
    ASSERT_TRUE(record.MapTemperatureRecord());
    ASSERT_TRUE(record.ReadCpuTemperature(value));
    EXPECT_EQ(0.0f, value);
    ASSERT_TRUE(record.ReadServerStatus(value));
    EXPECT_EQ(0.0f, value);

    ProbexaProcess::UseSettings("record=" + name + "\r\nmode=fixed\r\nvalue=61.5\r\ninterval_ms=50\r\n");
    ProbexaProcess server;
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(WaitUntil([&] { return record.ReadCpuTemperature(value) && value == 61.5f; }, 10000));
    EXPECT_TRUE(record.ReadServerStatus(value) && value > 0.0f);
}

TEST(TemperatureRecord, MappedAfterTheServerReadsItsValue) {
    std::string name = TestRecordName("after");
    ProbexaProcess::UseSettings("record=" + name + "\r\nmode=fixed\r\nvalue=48.25\r\ninterval_ms=50\r\n");
    ProbexaProcess server;
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(WaitUntil(
        [&] {
            UniqueHandle existing(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str()));
            return existing.IsValid();
        },
        10000));
    TemperatureRecord record(name.c_str());
    ASSERT_TRUE(record.MapTemperatureRecord());
    float value = 0.0f;
    EXPECT_TRUE(WaitUntil([&] { return record.ReadCpuTemperature(value) && value == 48.25f; }, 5000));
}

} // namespace
