// Runs the server simulator for a test: writes its settings file, points PROBEXA_INI at it (programs
// started afterwards inherit it) and ends the process it started when the test is done.
#pragma once

#include <string>

#include <windows.h>

#include "shell/KernelHandle.h"

class ProbexaProcess {
public:
    // settings: ini lines below [probexa], e.g. "record=x\nmode=fixed\nvalue=45.0\n".
    static void UseSettings(const std::string& settings);

    ProbexaProcess() = default;
    ~ProbexaProcess();
    ProbexaProcess(const ProbexaProcess&) = delete;
    ProbexaProcess& operator=(const ProbexaProcess&) = delete;

    // Starts bin/Probexa.exe with the settings given last.
    bool Start();

private:
    UniqueHandle m_process;
};

// Waits until condition() holds, polling every millisecond; false after timeoutMs.
template <typename Condition> bool WaitUntil(Condition condition, unsigned timeoutMs) {
    unsigned long long start = GetTickCount64();
    while (!condition()) {
        if (GetTickCount64() - start > timeoutMs)
            return false;
        Sleep(1);
    }
    return true;
}
