#include "ThermivoRun.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "relay/ProcessControl.h"
#include "shell/ModuleDirectory.h"
#include "shell/SettingsStore.h"

namespace {

const DWORD kWindowTimeoutMs = 20000;

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<WindowSearch*>(search);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != wanted->processId || GetPropW(window, L"TEMP") != reinterpret_cast<HANDLE>(1))
        return TRUE;
    wanted->found = window;
    return FALSE;
}

} // namespace

ThermivoRun::ThermivoRun(float celsius, const wchar_t* unit)
    : m_folder(L"thermivo_e2e_" + std::to_wstring(GetCurrentProcessId())),
      m_logPath(m_folder.Path() + L"display.log") {
    WriteSimulatorSettings(celsius);
    SetEnvironmentVariableW(L"HIDEMU_CONFIG", (L"displays=1;log=" + m_logPath).c_str());
    SetEnvironmentVariableW(L"THERMIVO_UPDATE_URL", L"http://127.0.0.1:9");
    SettingsStore store(L"TEMP");
    store.ReadSetting(L"tempe_type"); // creates the key
    store.WriteSetting(L"tempe_type", unit);
}

ThermivoRun::~ThermivoRun() {
    if (m_process.IsValid() && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.Get(), 3);
    for (int attempt = 0; attempt < 50 && IsProcessRunning(kMonitorServerName); ++attempt) {
        KillProcessByName(kMonitorServerName);
        Sleep(100);
    }
}

void ThermivoRun::WriteSimulatorSettings(float celsius) const {
    const std::wstring ini = m_folder.Path() + L"Probexa.ini";
    std::ofstream out(Narrow(ini).c_str());
    out << "[probexa]\nmode=fixed\nvalue=" << celsius << "\ninterval_ms=200\n";
    out.close();
    SetEnvironmentVariableW(L"PROBEXA_INI", ini.c_str());
}

UniqueHandle ThermivoRun::StartProcess() {
    std::wstring commandLine = L"\"" + GetModuleDirectory() + L"Thermivo.exe\"";
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return UniqueHandle();
    CloseHandle(process.hThread);
    return UniqueHandle(process.hProcess);
}

bool ThermivoRun::Start() {
    m_process = StartProcess();
    return m_process.IsValid();
}

HWND ThermivoRun::WaitForWindow() {
    WindowSearch search = {GetProcessId(m_process.Get()), nullptr};
    for (DWORD waited = 0; waited < kWindowTimeoutMs && !search.found; waited += 50) {
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(50);
    }
    return search.found;
}

bool ThermivoRun::WaitForExit(DWORD timeoutMs, DWORD& code) const {
    if (WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.Get(), &code) != FALSE;
}

int ThermivoRun::LastShown() const {
    std::ifstream in(Narrow(m_logPath).c_str());
    std::string line;
    int shown = -1;
    while (std::getline(in, line)) {
        int value = 0;
        if (std::sscanf(line.c_str(), "display 1: %d", &value) == 1)
            shown = value;
    }
    return shown;
}

int ThermivoRun::ReportCount() const {
    std::ifstream in(Narrow(m_logPath).c_str());
    std::string line;
    int count = 0;
    while (std::getline(in, line))
        count += line.compare(0, 10, "display 1:") == 0 ? 1 : 0;
    return count;
}

bool ThermivoRun::WaitForShown(int value, DWORD timeoutMs) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (LastShown() == value)
            return true;
        Sleep(100);
    }
    return LastShown() == value;
}
