// benchrelay: starts Thermivo.exe (which starts the server simulator beside it) with one emulated display
// and a steady reading, and BenchFloor.exe at the same time. Prints the time from the start to the first
// report the display received, then the processor time (GetProcessTimes) each process takes over the next
// minute and its working set. It prints "bench: minute starts" and "bench: sample memory now" at both ends
// of that minute, so that the caller can read processor time and private memory from the Linux side too
// (Wine 8 answers 0 for another process's times), and waits a little before it ends both.
// Usage: benchrelay <work folder>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "BenchClock.h"
#include "relay/ProcessControl.h"
#include "shell/KernelHandle.h"
#include "shell/ModuleDirectory.h"
#include "shell/SettingsStore.h"

namespace {

const DWORD kMinuteMs = 60000;
const DWORD kStartTimeoutMs = 60000;
const DWORD kSampleWaitMs = 8000;

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

UniqueHandle Start(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + GetModuleDirectory() + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return UniqueHandle();
    UniqueHandle thread(info.hThread);
    return UniqueHandle(info.hProcess);
}

double ProcessorMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1.0;
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

double WorkingSetMb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters)))
        return -1.0;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

bool HasReport(const std::wstring& logPath) {
    std::ifstream in(Narrow(logPath).c_str());
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, 10, "display 1:") == 0)
            return true;
    }
    return false;
}

void PrepareStandIns(const std::wstring& work, const std::wstring& logPath) {
    CreateDirectoryW(work.c_str(), nullptr);
    DeleteFileW(logPath.c_str());
    const std::wstring ini = work + L"\\Probexa.ini";
    std::ofstream out(Narrow(ini).c_str());
    out << "[probexa]\nmode=fixed\nvalue=47\ninterval_ms=1000\n";
    out.close();
    SetEnvironmentVariableW(L"PROBEXA_INI", ini.c_str());
    SetEnvironmentVariableW(L"HIDEMU_CONFIG", (L"displays=1;log=" + logPath).c_str());
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", L"http://127.0.0.1:9");
    SettingsStore store(L"TEMP");
    store.ReadSetting(L"tempe_type");
    store.WriteSetting(L"tempe_type", L"0");
}

int Measure(const std::wstring& work) {
    const std::wstring logPath = work + L"\\display.log";
    PrepareStandIns(work, logPath);
    KillProcessByName(kMonitorServerName);
    const double start = NowMs();
    UniqueHandle thermivo = Start(L"Thermivo.exe", L"");
    UniqueHandle floor = Start(L"BenchFloor.exe", L"90");
    if (!thermivo.IsValid() || !floor.IsValid()) {
        std::fprintf(stderr, "benchrelay: Thermivo.exe or BenchFloor.exe did not start\n");
        return 1;
    }
    while (!HasReport(logPath) && NowMs() - start < kStartTimeoutMs)
        Sleep(10);
    const double firstReport = NowMs() - start;
    std::printf("bench: startup %.0f ms%s\n", firstReport, HasReport(logPath) ? "" : " (no report)");
    std::printf("bench: minute starts\n");
    std::fflush(stdout);
    const double thermivoBefore = ProcessorMs(thermivo.Get());
    const double floorBefore = ProcessorMs(floor.Get());
    Sleep(kMinuteMs);
    std::printf("bench: cpu-per-minute thermivo %.1f ms floor %.1f ms\n",
                ProcessorMs(thermivo.Get()) - thermivoBefore, ProcessorMs(floor.Get()) - floorBefore);
    std::printf("bench: working-set thermivo %.1f MB floor %.1f MB\n", WorkingSetMb(thermivo.Get()),
                WorkingSetMb(floor.Get()));
    std::printf("bench: sample memory now\n");
    std::fflush(stdout);
    Sleep(kSampleWaitMs);
    TerminateProcess(thermivo.Get(), 0);
    TerminateProcess(floor.Get(), 0);
    KillProcessByName(kMonitorServerName);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: benchrelay <work folder>\n");
        return 2;
    }
    return Measure(argv[1]);
}
