#include "ProbexaProcess.h"

#include <cstdio>
#include <windows.h>

#include "shell/ModuleDirectory.h"

void ProbexaProcess::UseSettings(const std::string& settings) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path =
        std::wstring(folder) + L"probexa_test_" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return;
    std::fprintf(file, "[probexa]\r\n%s", settings.c_str());
    std::fclose(file);
    SetEnvironmentVariableW(L"PROBEXA_INI", path.c_str());
}

ProbexaProcess::~ProbexaProcess() {
    if (!m_process.IsValid())
        return;
    TerminateProcess(m_process.Get(), 0);
    WaitForSingleObject(m_process.Get(), 5000);
}

bool ProbexaProcess::Start() {
    std::wstring commandLine = L"\"" + GetModuleDirectory() + L"Probexa.exe\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    m_process.Reset(info.hProcess);
    UniqueHandle thread(info.hThread);
    return true;
}
