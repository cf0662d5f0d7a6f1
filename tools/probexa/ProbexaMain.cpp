// Probexa.exe, the stand-in for the hardware-monitor server: publishes a CPU temperature in the shared
// record until it is killed (or its configured lifetime ends). It takes no arguments; see ProbexaSettings.h.
#include <windows.h>

#include "ProbexaSettings.h"
#include "SharedRecordWriter.h"
#include "TemperatureSource.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ProbexaSettings settings = ProbexaSettings::Load();
    SharedRecordWriter record(settings.record);
    if (!record.IsOpen())
        return 1;
    TemperatureSource source(settings);
    DWORD started = GetTickCount();
    for (unsigned step = 0;; ++step) {
        record.Write(source.At(step), settings.status);
        if (settings.lifetimeMs != 0 && GetTickCount() - started >= settings.lifetimeMs)
            return 0;
        Sleep(settings.intervalMs);
    }
}
